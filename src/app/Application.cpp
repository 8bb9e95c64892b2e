#include "app/Application.h"

#include "app/FormCatalog.h"
#include "frame/AppIcon.h"
#include "frame/frmNagScreen.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/InputNames.h"
#include "platform/QtServices.h"
#include "platform/SafeFile.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>

#include <exception>

namespace tessavo {

namespace {

// Handlers run with errors ignored: an exception that escapes one is dropped
// here, at the event loop, and the program goes on.
class TessavoApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &) {
            return false;
        }
    }
};

} // namespace

void setUpApplication(QApplication &app)
{
    // A file-size limit then fails a save, which says so, instead of ending
    // the program with the user's work.
    catchFileSizeSignal();
    // Only UnloadAllForms ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    installButtonKeys(&app);
    installListNames();
    // Every window is laid out for this font, in the tests as for the user.
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

int runApplication(int argc, char *argv[])
{
    TessavoApplication app(argc, argv);
    setUpApplication(app);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(applicationIconImage(64))));

    installQtServices();
    registerAllForms();
    form<frmNagScreen>();
    return QApplication::exec();
}

} // namespace tessavo
