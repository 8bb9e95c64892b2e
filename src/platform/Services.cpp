#include "platform/Services.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tessavo {

Services &services()
{
    static Services instance;
    return instance;
}

QString programFolderPath()
{
    const auto &folder = services().programFolder;
    return folder ? folder->path() : QString();
}

void ClipboardService::clear()
{
    clearMode(ClipboardMode::Clipboard);
    if (hasSelection())
        clearMode(ClipboardMode::Selection);
}

void guardClipboard()
{
    static bool pending = false;
    QCoreApplication *app = QCoreApplication::instance();
    if (pending || !app)
        return;
    pending = true;
    QMetaObject::invokeMethod(
        app,
        [] {
            pending = false;
            // The guard never stands in the way: a clipboard that cannot be
            // reached is left as it is.
            if (ClipboardService *clipboard = services().clipboard.get())
                clipboard->clear();
        },
        Qt::QueuedConnection);
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon)
{
    auto &box = services().messageBox;
    if (!box)
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                            : MsgAnswer::No;
    return box->show(text, buttons, icon, kAppTitle);
}

} // namespace tessavo
