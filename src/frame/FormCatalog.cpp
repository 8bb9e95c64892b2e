#include "frame/FormCatalog.h"

#include "frame/MDI.h"
#include "frame/frmAbout.h"
#include "frame/frmNagScreen.h"
#include "frame/frmNagScreen2.h"
#include "platform/FormRegistry.h"

namespace tessavo {

namespace {
template <class T> void add()
{
    FormRegistry::instance().registerFactory(QString::fromLatin1(T::kName), [] { return new T; });
}
} // namespace

void registerAllForms()
{
    add<frmNagScreen>();
    add<MDI>();
    add<frmAbout>();
    add<frmNagScreen2>();
}

} // namespace tessavo
