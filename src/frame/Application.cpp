#include "frame/Application.h"

#include <QApplication>

namespace tessavo {

int runApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return QApplication::exec();
}

} // namespace tessavo
