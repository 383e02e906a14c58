#pragma once
// Windows with one default instance each. The first use creates the window; unloading hides it,
// clears the instance and deletes the window later, never while its code may still be running.

#include <QPointer>
#include <QWidget>

template <class Form>
class DefaultInstance {
public:
    // The window, created on first use.
    static Form *get()
    {
        if (!instance_)
            instance_ = new Form();
        return instance_;
    }
    // The window when it exists, else nullptr.
    static Form *existing() { return instance_.data(); }
    static bool exists() { return !instance_.isNull(); }

    // Hides the window, clears the instance and deletes the window once control is back in the
    // event loop.
    static void unload()
    {
        if (Form *form = instance_.data()) {
            instance_.clear();
            form->hide();
            form->deleteLater();
        }
    }

    // Unloads `form`: the default instance when it is that window, else that window alone.
    static void unload(Form *form)
    {
        if (form == instance_.data()) {
            unload();
        } else if (form) {
            form->hide();
            form->deleteLater();
        }
    }

private:
    static inline QPointer<Form> instance_;
};

// A window without caption text. An empty title would make the desktop show the executable's
// name in the caption instead; a single blank shows nothing.
inline void setNoCaptionText(QWidget *window) { window->setWindowTitle(QStringLiteral(" ")); }
