#pragma once
// The language routine of the boards: puts the current language on a board (window
// caption, menus, frames, buttons, labels, table headers, tool tips, status panels 1 and 2) and
// fills the shared message table garrMessages and the shared strings gstrWindowCaption,
// gstrHelpTitle, gstrHelpFile and gstrLoadedTicketText. The three boards share one control
// vocabulary; controls that only one board has are captioned by that board (the digit board's
// Straight/Boxed pair), the second drum's under a guard on the game's layout.

#include <QString>
#include <cstdint>
#include <initializer_list>

class QWidget;

class BoardBase;
struct OpenLottery;

// The text of base id `base` in the board language.
QString fncBoardText(int base);
// Every control given (absent ones skipped) gets the tool tip `text`.
void setToolTips(std::initializer_list<QWidget *> controls, const QString &text);

// Captions the board in the language glngLanguage; a digit outside 1 to 3 captions it in English
// without changing glngLanguage.
void subApplyLanguageToBoard(BoardBase &board);

// The language the boards are captioned in: glngLanguage when it is 1 (Turkish), 2 (English) or 3
// (French), else English.
int32_t fncBoardLanguage();

// `title` up to, not including, its first "(" (a blank before the bracket stays), or the whole
// title when it holds none.
QString fncTitleBeforeBracket(const QString &title);

// The open lottery as the boards describe it: country, " - ", lottery name, " - ", and the game
// title up to its first "(".
QString fncLotteryDescription(const OpenLottery &lottery);

// The tool tip of a two-state option, worded after its present state: every control given (absent
// ones skipped) gets garrMessages entry `whenTicked` when `ticked`, else entry `whenClear`.
void subSetStateToolTip(std::initializer_list<QWidget *> controls, bool ticked, int whenTicked, int whenClear);
