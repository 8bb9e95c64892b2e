#include "app/FormCatalog.h"

#include "charts/bazi/frmFengShuiFourPillar.h"
#include "charts/bazi/frmMainFengShuiBaZi.h"
#include "charts/bazi/frmSaveFengShuiBaZi.h"
#include "charts/flyingstar/frmFlyingStar.h"
#include "charts/flyingstar/frmMainFengShuiFlyingStar.h"
#include "charts/flyingstar/frmSaveFengShuiFlyingStar.h"
#include "charts/kua/frmFengShuiDetails.h"
#include "charts/kua/frmMainFengShuiKuaNumber.h"
#include "charts/kua/frmSaveFengShuiKuaNumber.h"
#include "charts/loshu/frmLoshu.h"
#include "charts/loshu/frmMainFengShuiLoShu.h"
#include "charts/loshu/frmSaveFengShuiLoShu.h"
#include "floorplan/frmDisplay.h"
#include "floorplan/frmMainFengShuiBagua.h"
#include "floorplan/frmRoomAnalysis.h"
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
    add<kua::frmMainFengShuiKuaNumber>();
    add<kua::frmFengShuiDetails>();
    add<kua::frmSaveFengShuiKuaNumber>();
    add<bazi::frmMainFengShuiBaZi>();
    add<bazi::frmFengShuiFourPillar>();
    add<bazi::frmSaveFengShuiBaZi>();
    add<floorplan::frmMainFengShuiBagua>();
    add<floorplan::frmDisplay>();
    add<floorplan::frmRoomAnalysis>();
    add<loshu::frmMainFengShuiLoShu>();
    add<loshu::frmLoshu>();
    add<loshu::frmSaveFengShuiLoShu>();
    add<flyingstar::frmMainFengShuiFlyingStar>();
    add<flyingstar::frmFlyingStar>();
    add<flyingstar::frmSaveFengShuiFlyingStar>();
}

} // namespace tessavo
