#pragma once
// A control array: controls of one kind addressed by index, as the window designs number them.
// Elements may be missing (index ranges with gaps, or rows not yet created); new elements are
// created from a template element and start hidden. Each element's object name is the array's
// name with its index, "txtGuess(3)".

#include <QString>
#include <QWidget>
#include <cassert>
#include <functional>
#include <vector>

template <class T>
class CtlArray {
public:
    // The element; asserts that it exists.
    T *operator[](int index) const
    {
        T *ctl = at(index);
        assert(ctl && "control array element does not exist");
        return ctl;
    }
    // The element, or nullptr.
    T *at(int index) const
    {
        if (index < 0 || index >= static_cast<int>(items_.size()))
            return nullptr;
        return items_[static_cast<size_t>(index)];
    }
    bool exists(int index) const { return at(index) != nullptr; }

    // The name the elements are known by; elements put in place later take it with their index.
    void setName(const QString &name) { name_ = name; }

    // Puts a control in place (design-time elements).
    T *set(int index, T *ctl)
    {
        if (index >= static_cast<int>(items_.size()))
            items_.resize(static_cast<size_t>(index) + 1, nullptr);
        items_[static_cast<size_t>(index)] = ctl;
        if (ctl && !name_.isEmpty())
            ctl->setObjectName(QStringLiteral("%1(%2)").arg(name_).arg(index));
        if (ctl)
            for (const auto &wire : wires_)
                wire(index, ctl);
        return ctl;
    }
    // Names the array and creates its design-time elements first..last under `parent`.
    void create(const QString &name, QWidget *parent, int first, int last)
    {
        setName(name);
        for (int i = first; i <= last; ++i)
            set(i, new T(parent));
    }
    // Creates element `index` from the template element `from`: same parent, geometry, font,
    // colours and text; hidden. Returns the existing element when there is one.
    T *load(int index, int from)
    {
        if (T *existing = at(index))
            return existing;
        T *tmpl = (*this)[from];
        T *ctl = new T(tmpl->parentWidget());
        ctl->copyFrom(*tmpl);
        ctl->setVisible(false);
        return set(index, ctl);
    }

    // Connects the handlers of every element present and of every element created later. Each
    // call adds its handlers to those connected before.
    void wire(std::function<void(int, T *)> wire)
    {
        wires_.push_back(std::move(wire));
        for (int i = 0; i < static_cast<int>(items_.size()); ++i)
            if (items_[static_cast<size_t>(i)])
                wires_.back()(i, items_[static_cast<size_t>(i)]);
    }

    // Highest index that may hold an element (-1 when none).
    int upper() const { return static_cast<int>(items_.size()) - 1; }

    // Runs f(index, control) over every existing element in index order.
    template <class F>
    void forEach(F &&f) const
    {
        for (int i = 0; i < static_cast<int>(items_.size()); ++i)
            if (T *ctl = items_[static_cast<size_t>(i)])
                f(i, ctl);
    }

private:
    QString name_;
    std::vector<T *> items_;
    std::vector<std::function<void(int, T *)>> wires_;
};
