#include "fontset.h"

#include <QFile>
#include <QFontDatabase>
#include <stdexcept>

namespace {

const char *const RegularFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
const char *const BoldFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
const char *const Family = "Liberation Sans";

QString load(const char *path)
{
    const QString file = QString::fromUtf8(path);
    if (!QFile::exists(file))
        throw std::runtime_error(std::string("font file missing: ") + path
                                 + " (install the package fonts-liberation)");
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        throw std::runtime_error(std::string("font file not usable: ") + path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.contains(QString::fromUtf8(Family)))
        throw std::runtime_error(std::string("font file does not hold ") + Family + ": " + path);
    return QString::fromUtf8(Family);
}

} // namespace

FontSet::FontSet() : m_family(load(RegularFile)), m_boldFamily(load(BoldFile)) {}

QFont FontSet::make(const QString &family, int pixelSize, bool bold) const
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setKerning(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont FontSet::regular(int pixelSize) const { return make(m_family, pixelSize, false); }
QFont FontSet::bold(int pixelSize) const { return make(m_boldFamily, pixelSize, true); }
