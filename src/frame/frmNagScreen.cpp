#include "frame/frmNagScreen.h"

#include "frame/AppIcon.h"
#include "frame/MDI.h"
#include "frame/modHelp.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"

#include <exception>

namespace tessavo {

frmNagScreen::frmNagScreen() : Form(QString::fromLatin1(kName), FormKind::TopLevel)
{
    m_images.append(QPixmap::fromImage(applicationIconImage(64)));
}

QPixmap frmNagScreen::IMGIcon(int index) const
{
    return index >= 0 && index < m_images.size() ? m_images.at(index) : QPixmap();
}

void frmNagScreen::Form_Load()
{
    if (services().instanceGuard && services().instanceGuard->anotherInstanceRunning()) {
        MsgBox(QStringLiteral("Application is already running"), MsgButtons::Ok,
               MsgIcon::Information);
        UnloadAllForms();
    }
    // A failure inside the reminder ends the reminder, not the start-up.
    try {
        RemindUpdateCheck();
    } catch (const std::exception &) {
    }
    form<MDI>().Show();
    Hide();
}

void frmNagScreen::Form_Unload()
{
    UnloadAllForms();
}

} // namespace tessavo
