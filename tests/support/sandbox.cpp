#include "sandbox.h"

#include "app/apppaths.h"
#include "app/application.h"

#include <QDir>

namespace {
const char *const kVariables[] = {"TALVINOR_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"};
}

Sandbox::Sandbox()
{
    for (const char *name : kVariables)
        saved_.emplace_back(name, qgetenv(name));
    QDir root(root_.path());
    for (const char *sub : {"program", "data", "config", "runtime"})
        root.mkpath(QString::fromLatin1(sub));
    qputenv("TALVINOR_HOME", programFolder().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtimeDir().toUtf8());
}

Sandbox::~Sandbox()
{
    for (const auto &[name, value] : saved_) {
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

QString Sandbox::programFolder() const { return root_.path() + QStringLiteral("/program"); }
void Sandbox::useProgramPaths() const
{
    subSetProgramFolderPaths(programFolder());
}

QString Sandbox::dataHome() const { return root_.path() + QStringLiteral("/data"); }
QString Sandbox::configHome() const { return root_.path() + QStringLiteral("/config"); }
QString Sandbox::runtimeDir() const { return root_.path() + QStringLiteral("/runtime"); }

namespace {
// The script answering now; an inner script hands the answering back to the outer one.
MessageBoxScript *gAnswering = nullptr;
}  // namespace

MessageBoxScript::MessageBoxScript(std::deque<int> answers) : answers_(std::move(answers)), outer_(gAnswering)
{
    gAnswering = this;
    answer();
}

MessageBoxScript::~MessageBoxScript()
{
    gAnswering = outer_;
    if (outer_)
        outer_->answer();
    else
        msgbox::setHook({});
}

void MessageBoxScript::answer()
{
    msgbox::setHook([this](const msgbox::Request &request) {
        asked_.push_back(request);
        if (answers_.empty())
            return msgbox::kOk;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

QStringList MessageBoxScript::texts() const
{
    QStringList out;
    for (const auto &r : asked_)
        out << r.text;
    return out;
}
