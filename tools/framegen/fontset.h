#pragma once

#include <QFont>
#include <QString>

// Liberation Sans, loaded from its files so that every machine draws the
// same glyphs; sizes in pixels so the output does not depend on the DPI.
class FontSet
{
public:
    // Throws std::runtime_error when a font file is missing or unusable.
    FontSet();

    QFont regular(int pixelSize) const;
    QFont bold(int pixelSize) const;
    QString family() const { return m_family; }

private:
    QFont make(const QString &family, int pixelSize, bool bold) const;

    QString m_family;
    QString m_boldFamily;
};
