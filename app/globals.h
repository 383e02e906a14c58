#pragma once
// Program-wide state set at start-up and by the opening of a lottery. Folder paths end with "/".

#include <QString>
#include <cstdint>
#include <functional>

// Folders and outside programs, set once by start-up.
inline QString gstrAppFolder;
inline QString gstrWindowsFolder;
inline QString gstrSystemFolder;
inline QString gstrLotteryDbsFolder;
inline QString gstrSavedTicketsFolder;
inline QString gstrLogFolder;
inline QString gstrLogFilePath;
inline QString gstrNotepadPath;
inline QString gstrHelpViewerPath;

inline QString gstrAppTitle;
inline int16_t gblnAlreadyRunning = 0;  // -1 = True
inline int32_t glngTitleWindowCount = 0;
inline QString gstrOsName;
inline int32_t glngBackColor = 0xDFDFDF;
inline int32_t gvarExcludedBackColor = 0x707070;

// 1 Turkish, 2 English, 3 French, 4 German.
inline int32_t glngLanguage = 2;

// The lottery chosen, the one open last, and the open lottery's files.
inline QString gstrLotteryDbFile;
inline QString gstrLastLotteryDbFile;

// The request and results of the file dialog.
inline QString gstrFileDialogFolder;
inline QString gstrFileDialogSuffix;
inline bool gblnTicketLoad = false;
inline bool gblnTicketMode = false;
inline QString gstrTicketName;

inline bool gblnLotteryManagerOpen = false;

// The board settings record file chosen last (its name, and its folder followed by the name).
inline QString gstrRecordFileName;
inline QString gstrRecordFilePath;

// Help and the texts the language routine shares.
inline qint64 glngHelpHwnd = 0;
inline QString gstrHelpTitle;
inline QString gstrHelpFile;
inline QString gstrWindowCaption;
inline QString gstrLoadedTicketText;
