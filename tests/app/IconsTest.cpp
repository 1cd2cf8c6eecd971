// The icons compiled into the Qt layer: the toolbar and the window find theirs, and every
// icon draws at toolbar size and stays visible on light and dark toolbars alike.

#include "support/EditorHome.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <QColor>
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of an sRGB colour, as used for contrast ratios.
double Luminance(const QColor& colour)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The share of the icon's opaque pixels that stand out from the background at least 2:1
// once the icon is drawn on it.
double ShareStandingOut(const QImage& icon, const QColor& background)
{
    QImage onToolbar(icon.size(), QImage::Format_RGB32);
    onToolbar.fill(background);
    QPainter(&onToolbar).drawImage(0, 0, icon);
    int opaque = 0;
    int standingOut = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            if (qAlpha(icon.pixel(x, y)) < 128)
                continue;
            ++opaque;
            if (ContrastRatio(onToolbar.pixelColor(x, y), background) >= 2.0)
                ++standingOut;
        }
    return opaque == 0 ? 0.0 : double(standingOut) / opaque;
}

}  // namespace

TEST(Icons, TheToolbarAndTheWindowFindTheirIcons)
{
    EditorHome home;
    ScriptedPrompts prompts;
    TForm1 window(prompts, {});
    const QList<QAction*> buttons = Control<QToolBar>(window, "ToolBar1")->actions();
    EXPECT_GT(buttons.size(), 10);
    for (const QAction* button : buttons)
        EXPECT_TRUE(button->isSeparator() || !button->icon().pixmap(24, 24).isNull()) << button->objectName().toStdString();
    EXPECT_FALSE(window.windowIcon().pixmap(24, 24).isNull());
}

TEST(Icons, EveryIconDrawsVisiblyOnLightAndDarkToolbars)
{
    const QColor lightToolbar("#eff0f1");
    const QColor darkToolbar("#31363b");
    int icons = 0;
    for (QDirIterator it(":/icons"); it.hasNext();) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        ++icons;
        const QIcon icon(path);
        ASSERT_FALSE(icon.isNull());
        const QPixmap pixmap = icon.pixmap(24, 24);
        ASSERT_EQ(pixmap.size(), QSize(24, 24));
        const QImage image = pixmap.toImage();
        EXPECT_GE(ShareStandingOut(image, lightToolbar), 1.0 / 3);
        EXPECT_GE(ShareStandingOut(image, darkToolbar), 1.0 / 3);
    }
    EXPECT_GT(icons, 0);
}
