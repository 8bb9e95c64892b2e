#include "charts/kua/modFengShui.h"

#include "charts/kua/KuaCalc.h"
#include "charts/kua/KuaPictures.h"
#include "charts/kua/frmFengShuiDetails.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/QbColor.h"

#include <QLineEdit>

#include <algorithm>

namespace tessavo::kua {

void ShowKuaDetails(int kua)
{
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    const KuaRow &row = kuaRow(kua);
    w.lblFengShuiKuaNo->setText(QString::number(kua));
    w.lblFengShuiGroup->setText(row.group);
    w.lblFengShuiElement->setText(row.element);
    w.lblFengShuiTrigram->setText(row.trigram);
    w.lblFengShuiColour->setText(row.colour);
    const auto boxes = w.directionBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(row.directions[i]);

    // Colours and compass follow the boxes, not the table row.
    const auto wear = w.wearLabels();
    const auto avoid = w.avoidLabels();
    for (std::size_t i = 0; i < wear.size(); ++i) {
        GetDirectionColors(boxes[i]->text());
        wear[i]->setText(QStringLiteral("Colors To Wear: ") + modFengShui().DirectionColors[0]);
        avoid[i]->setText(QStringLiteral("Colors To Avoid: ") + modFengShui().DirectionColors[1]);
    }
    HighlightGoodDirections(w.txtSuccess->text(), w.txtHealth->text(), w.txtRelationships->text(),
                            w.txtPersonal->text());
}

void HighlightGoodDirections(const QString &success, const QString &health,
                             const QString &relationships, const QString &personal)
{
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    const auto colours = goodDirectionCellColours(success, health, relationships, personal);
    for (std::size_t i = 0; i < colours.size(); ++i)
        setBackground(w.lblDirection[i], qbColor(colours[i]));
}

void ShowElementDescription()
{
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    w.lblElementDesc->setText(elementDescription(w.lblFengShuiElement->text()));
}

void ShowKuaPictures()
{
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    const struct {
        PictureList list;
        const Label *caption;
        Label *image;
    } pictures[] = {
        {PictureList::Elements, w.lblFengShuiElement, w.imgElement},
        {PictureList::Colours, w.lblFengShuiColour, w.imgColour},
        {PictureList::Trigrams, w.lblFengShuiTrigram, w.imgTrigram},
    };
    for (const auto &p : pictures) {
        if (!pictureIndex(p.list, p.caption->text()))
            continue;
        const int size = std::min(p.image->width(), p.image->height());
        p.image->setPixmap(QPixmap::fromImage(kuaPicture(p.list, p.caption->text(), size)));
    }
}

} // namespace tessavo::kua
