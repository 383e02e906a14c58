#pragma once
// A test's own program, data and configuration folders, so that no test touches the user's
// files, and message boxes answered from a script.

#include "platform/ui/msgbox.h"
#include "platform/variantcodec.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <ostream>
#include <vector>

// Texts print as text in the messages of failed checks.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
// A record slot as its tag and value.
inline void PrintTo(const VbVariant &v, std::ostream *os)
{
    QString value = v.isText() ? v.text() : QString::number(v.number().value_or(v.boolean()));
    if (v.tag() == VbVariant::Date)
        value = v.date().toString(Qt::ISODate);
    *os << "(tag " << v.tag() << ": " << value.toStdString() << ')';
}

// Points TALVINOR_HOME, XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR at fresh temporary
// folders for the lifetime of the object, and restores them afterwards.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();

    QString programFolder() const;  // without a trailing "/"
    // Points gstrAppFolder, gstrLotteryDbsFolder and gstrSavedTicketsFolder into the program
    // folder (the subfolders are not created).
    void useProgramPaths() const;
    QString dataHome() const;
    QString configHome() const;
    QString runtimeDir() const;

private:
    QTemporaryDir root_;
    std::vector<std::pair<QByteArray, QByteArray>> saved_;
};

// Answers every message box from a queue of answers (OK when the queue is empty) and records
// what was asked, until destroyed; a script made while another one answers takes over until it
// is destroyed.
class MessageBoxScript {
public:
    explicit MessageBoxScript(std::deque<int> answers = {});
    ~MessageBoxScript();

    void answerNext(int code) { answers_.push_back(code); }
    const std::vector<msgbox::Request> &asked() const { return asked_; }
    QStringList texts() const;

private:
    void answer();

    std::deque<int> answers_;
    std::vector<msgbox::Request> asked_;
    MessageBoxScript *outer_;
};
