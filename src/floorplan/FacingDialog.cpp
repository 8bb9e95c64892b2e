#include "floorplan/FacingDialog.h"

#include "floorplan/PlanModel.h"
#include "floorplan/PlanNumbers.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tessavo::floorplan {

void FacingDialog::showFacing()
{
    facingFrame->show();
}

void FacingDialog::hideFacing()
{
    facingFrame->hide();
}

void FacingDialog::confirmFacing(const QString &up)
{
    const bool vertical = up == QLatin1String("N") || up == QLatin1String("S");
    const bool horizontal = up == QLatin1String("E") || up == QLatin1String("W");
    std::optional<bool> width;
    if (optSouth->isChecked() || optNorth->isChecked())
        width = vertical;
    else if (optEast->isChecked() || optWest->isChecked())
        width = horizontal;
    if (width) {
        widthBox->setVisible(*width);
        lengthBox->setVisible(!*width);
    }
    sizeFrame->show();
    facingFrame->hide();
}

bool FacingDialog::sizeFits(const SizeRefusals &refusals)
{
    const GreatFengShuiModule &module = modGreatFengShui();
    const bool lengthShown = widthBox->isHidden();
    QLineEdit *box = lengthShown ? lengthBox : widthBox;
    const double limit = lengthShown ? module.SelRoomLength : module.SelRoomWidth;
    if (box->text().isEmpty()) {
        MsgBox(refusals.empty, MsgButtons::Ok, refusals.emptyIcon);
        box->setFocus();
        return false;
    }
    if (round15(limit) < leadingNumber(box->text())) {
        MsgBox(lengthShown ? refusals.overLength : refusals.overWidth, MsgButtons::Ok,
               lengthShown ? refusals.overLengthIcon : MsgIcon::None);
        box->clear();
        box->setFocus();
        return false;
    }
    return true;
}

std::optional<std::pair<double, double>> FacingDialog::sizeInTwips() const
{
    const GreatFengShuiModule &module = modGreatFengShui();
    const std::optional<double> width =
        feetToTwips(leadingNumber(widthBox->text()), module.PlotWidthScale);
    const std::optional<double> height =
        feetToTwips(leadingNumber(lengthBox->text()), module.PlotLengthScale);
    if (!width || !height) {
        MsgBox(kSizeTooLarge, MsgButtons::Ok, MsgIcon::Information);
        return std::nullopt;
    }
    return std::make_pair(*width, *height);
}

void FacingDialog::closeSizeFrame()
{
    sizeFrame->hide();
    lengthBox->clear();
    widthBox->clear();
}

} // namespace tessavo::floorplan
