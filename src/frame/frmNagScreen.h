#pragma once

#include "platform/Form.h"

#include <QList>
#include <QPixmap>

namespace tessavo {

// The hidden start-up window: the first window the program loads. It refuses
// a second instance, runs the update reminder, shows the main window, and
// stays loaded and unseen until the end.
class frmNagScreen : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmNagScreen";
    frmNagScreen();

    void Form_Load() override;
    void Form_Unload() override;

    // The image list IMGIcon; its first image is the application icon.
    QPixmap IMGIcon(int index) const;

private:
    QList<QPixmap> m_images;
};

} // namespace tessavo
