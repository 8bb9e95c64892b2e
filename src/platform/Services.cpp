#include "platform/Services.h"

namespace tessavo {

Services &services()
{
    static Services instance;
    return instance;
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
