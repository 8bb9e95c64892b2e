#include "platform/FormRegistry.h"

#include "platform/ModalLoops.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tessavo {

FormRegistry &FormRegistry::instance()
{
    static FormRegistry registry;
    return registry;
}

void FormRegistry::registerFactory(const QString &name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

bool FormRegistry::hasFactory(const QString &name) const
{
    return m_factories.count(name) != 0;
}

Form *FormRegistry::find(const QString &name) const
{
    for (const auto &form : m_loaded) {
        if (form && form->formName() == name)
            return form;
    }
    return nullptr;
}

Form *FormRegistry::load(const QString &name)
{
    if (Form *form = find(name))
        return form;
    const auto it = m_factories.find(name);
    if (it == m_factories.end())
        return nullptr;
    Form *form = it->second();
    // In the collection before its load handler runs, so that the handler
    // (and anything it calls) reaches this same instance.
    m_loaded.append(form);
    form->Form_Load();
    return form;
}

void FormRegistry::unload(Form *form)
{
    if (!form || form->m_unloading || !m_loaded.contains(form))
        return;
    form->m_unloading = true;
    const QPointer<Form> guard(form);
    // The window stays addressable while its unload handler runs (so the
    // handler reaches this same instance), and leaves the collection however
    // the handler ends.
    struct Finish {
        FormRegistry *registry;
        QPointer<Form> form;
        ~Finish()
        {
            registry->m_loaded.removeAll(form);
            if (!form)
                return;
            form->frameWidget()->hide();
            if (QMdiSubWindow *sub = form->subWindow()) {
                if (QMdiArea *area = sub->mdiArea())
                    area->removeSubWindow(sub);
            }
            // A handler of this window may wait below an open box; it must
            // return into a live window, so the delete waits for the boxes.
            afterModalLoops([form = form] {
                if (form)
                    form->deleteLater();
            });
        }
    } finish{this, guard};
    form->Form_Unload();
}

QList<Form *> FormRegistry::loaded() const
{
    QList<Form *> out;
    for (const auto &form : m_loaded) {
        if (form && !form->m_unloading)
            out.append(form);
    }
    return out;
}

void FormRegistry::setMdiArea(QMdiArea *area)
{
    m_mdiArea = area;
}

QMdiArea *FormRegistry::mdiArea() const
{
    return m_mdiArea;
}

void FormRegistry::reset()
{
    // Hidden first, so focus and activation move away while the windows are
    // still whole.
    const QList<QPointer<Form>> forms = m_loaded;
    m_loaded.clear();
    for (const auto &form : forms) {
        if (form)
            form->frameWidget()->hide();
    }
    for (const auto &form : forms) {
        if (form)
            form->deleteLater();
    }
    m_factories.clear();
    m_mdiArea = nullptr;
}

} // namespace tessavo
