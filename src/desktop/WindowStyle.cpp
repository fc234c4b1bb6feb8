#include "desktop/WindowStyle.h"

#include <QApplication>
#include <QStyle>

namespace quillfen::style {

namespace {

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace

QFont windowFont()
{
    return arialBold(9);
}

QFont buttonFont()
{
    return arialBold(11.25);
}

QPalette lightPalette()
{
    // The style's own light palette, as a desktop without a colour scheme shows it, with the
    // window's white where the window and its text fields are.
    QPalette palette = QApplication::style()->standardPalette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, Qt::white);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
    }
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    return palette;
}

} // namespace quillfen::style
