#include "platform/drawing/DiagramFont.h"

#include <optional>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>


// Resources of a static library must be registered by hand before use.
static void initDiagramFontResource()
{
#ifdef VEXORIA_EMBEDDED_FONT
    Q_INIT_RESOURCE(vexoria_fonts);
#endif
}

namespace vexoria {

namespace {

constexpr int kPixelSize = 11;

void (*guiStarter)() = nullptr;

// The face needs the GUI application; a program that starts it only when
// needed starts it here.
void ensureGui()
{
    if (guiStarter && !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) guiStarter();
}

struct Family {
    QString name;
    bool embedded = false;
};

Family loadFamily()
{
    ensureGui();
    initDiagramFontResource();
    // The embedded face first; the build embeds DejaVu Sans when Liberation
    // Sans was not installed.
    for (const char* path : {":/vexoria/fonts/diagram.ttf"}) {
        QFile f(QString::fromLatin1(path));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const int id = QFontDatabase::addApplicationFontFromData(f.readAll());
        if (id < 0) continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) return {families.first(), true};
    }
    // Nothing embedded could be loaded: take the system's face.
    return {QStringLiteral("DejaVu Sans"), false};
}

// The face is loaded once, on the first use. Each thread then measures and
// draws with a font object of its own, made the same way: a font keeps what
// it looked up in caches of its own, which two threads must not fill at once
// (a build runs off the window's thread while the window draws).
const Family& loadedFamily()
{
    static const Family f = loadFamily();
    return f;
}

const QString& family() { return loadedFamily().name; }

struct FontHolder {
    QFont font;
    QFontMetrics metrics;

    FontHolder() : font((ensureGui(), makeFont(family()))), metrics(font) {}

    static QFont makeFont(const QString& family)
    {
        QFont f(family);
        f.setPixelSize(kPixelSize);
        f.setStyleHint(QFont::SansSerif);
        // Whole-pixel glyph advances, as the bitmap face the layout was made
        // for has; the same widths on every platform plug-in.
        f.setHintingPreference(QFont::PreferFullHinting);
        f.setStyleStrategy(QFont::NoAntialias);
        f.setKerning(false);
        return f;
    }
};

const FontHolder& holder()
{
    thread_local const FontHolder h;
    return h;
}

} // namespace

const QFont& diagramFont() { return holder().font; }
const QFontMetrics& diagramFontMetrics() { return holder().metrics; }

void setGuiStarter(void (*start)()) { guiStarter = start; }
void startGuiApplication() { ensureGui(); }

namespace face {
int textWidth(const QString& shownText) { return holder().metrics.horizontalAdvance(shownText); }
QString family() { return QFontInfo(holder().font).family(); }
bool embedded() { return loadedFamily().embedded && QFontInfo(holder().font).family() == vexoria::family(); }
int pixelSize() { return holder().font.pixelSize(); }
int ascent() { return holder().metrics.ascent(); }
int height() { return holder().metrics.height(); }
} // namespace face

} // namespace vexoria
