#include "frame/modRTB.h"

#include "platform/RichTextBox.h"
#include "platform/Services.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>

namespace tessavo {

namespace {

// Watches the box's viewport. It is a child of the box, so it goes with it.
class LinkPressFilter : public QObject {
public:
    LinkPressFilter(RichTextBox *box) : QObject(box), m_box(box) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Only the first press opens: a double click arrives as its own event.
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                if (const auto address = m_box->linkAt(mouse->position().toPoint())) {
                    if (UrlOpener *opener = services().urlOpener.get())
                        opener->open(*address);
                }
            }
        }
        // Never swallowed: the box handles the press as usual.
        return QObject::eventFilter(watched, event);
    }

private:
    RichTextBox *m_box;
};

struct LinkHook {
    QPointer<RichTextBox> box;
    QPointer<QWidget> host; // the report window that owns the box
    QPointer<LinkPressFilter> filter;
};

LinkHook &hook()
{
    static LinkHook state;
    return state;
}

} // namespace

void HookRichTextLinks(RichTextBox *rtb, QWidget *host)
{
    UnhookRichTextLinks();
    if (!rtb)
        return;
    LinkHook &h = hook();
    h.box = rtb;
    h.host = host;
    h.filter = new LinkPressFilter(rtb);
    rtb->viewport()->installEventFilter(h.filter);
    rtb->setAutoUrlDetect(true);
}

void UnhookRichTextLinks()
{
    LinkHook &h = hook();
    if (h.box) {
        if (h.filter)
            h.box->viewport()->removeEventFilter(h.filter);
        h.box->setAutoUrlDetect(false);
    }
    delete h.filter.data();
    h = LinkHook{};
}

bool richTextLinksHooked()
{
    return !hook().filter.isNull();
}

} // namespace tessavo
