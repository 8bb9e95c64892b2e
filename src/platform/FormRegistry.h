#pragma once

// The loaded windows of the program. Every window class has one default
// instance, addressed by its name. The first use creates it and runs its load
// handler before the use completes; unloading runs its unload handler, takes
// it out of the collection and deletes it later, so a window may unload
// itself from inside one of its own handlers. The collection keeps load
// order, which is the order UnloadAllForms unloads in.
//
// Data that must outlive an unload (the public data of a tool's module, the
// fields a window keeps across loads) lives outside the window objects.

#include "platform/Form.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

class QMdiArea;

namespace tessavo {

class FormRegistry {
public:
    using Factory = std::function<Form *()>;

    static FormRegistry &instance();

    // Tells the registry how to create the window of a name, so that code
    // can load windows it knows only by name.
    void registerFactory(const QString &name, Factory factory);
    bool hasFactory(const QString &name) const;

    // The loaded window of that name, loading it first when needed; null
    // when no window of that name is known.
    Form *load(const QString &name);
    Form *find(const QString &name) const;
    bool isLoaded(const QString &name) const { return find(name) != nullptr; }

    // Unloads a window; unloading a window that is not loaded does nothing.
    void unload(Form *form);
    void unload(const QString &name) { unload(find(name)); }

    // Loaded windows in load order.
    QList<Form *> loaded() const;

    // The main window's MDI area that child windows go into.
    void setMdiArea(QMdiArea *area);
    QMdiArea *mdiArea() const;

    // Typed access to a window class with a static kName.
    template <class T> T &get()
    {
        if (!hasFactory(QString::fromLatin1(T::kName)))
            registerFactory(QString::fromLatin1(T::kName), [] { return new T; });
        return *static_cast<T *>(load(QString::fromLatin1(T::kName)));
    }

    // Forgets every loaded window without running handlers, and every
    // factory (tests start from a clean state with it).
    void reset();

private:
    FormRegistry() = default;

    std::map<QString, Factory> m_factories;
    QList<QPointer<Form>> m_loaded;
    QPointer<QMdiArea> m_mdiArea;
};

// The default instance of a window class, loaded on first use.
template <class T> T &form()
{
    return FormRegistry::instance().get<T>();
}

// Whether a window class's default instance is loaded, without loading it.
template <class T> bool isLoaded()
{
    return FormRegistry::instance().isLoaded(QString::fromLatin1(T::kName));
}

// Unloads a window class's default instance when it is loaded.
template <class T> void unloadForm()
{
    FormRegistry::instance().unload(QString::fromLatin1(T::kName));
}

} // namespace tessavo
