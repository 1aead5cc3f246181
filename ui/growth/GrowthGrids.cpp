#include "ui/growth/GrowthGrids.h"

#include <QApplication>
#include <QPalette>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "calc/format/NumberFormat.h"
#include "ui/common/DisplayText.h"

namespace corvane {

using namespace growthgrid;

namespace {

// Twips of the grid layout to pixels of this screen, at the window's zoom.
int pixels(const QWidget* widget, int twips, double zoom) {
    return static_cast<int>(std::lround(twips * widget->logicalDpiX() / 1440.0 * zoom));
}

// A label cell: never current, never edited, drawn in its own colours.
void setLabelCell(QTableWidget* grid, int row, int column, const QString& text, const QBrush& background,
                  const QBrush& foreground) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::NoItemFlags);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(background);
    item->setForeground(foreground);
    grid->setItem(row, column, item);
}

void setValueCell(QTableWidget* grid, int row, int column, const QString& text, bool selectable) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(selectable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    grid->setItem(row, column, item);
}

void sizeGrid(QTableWidget* grid, int labelWidth, int footWidth, int rowHeight) {
    for (int c = 0; c < grid->columnCount(); ++c) grid->setColumnWidth(c, c == 0 ? labelWidth : footWidth);
    for (int r = 0; r < grid->rowCount(); ++r) grid->setRowHeight(r, rowHeight);
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(labelWidth + (grid->columnCount() - 1) * footWidth + frame,
                       grid->rowCount() * rowHeight + frame);
}

}  // namespace

GrowthGridCaptions fillGrowthGrids(QTableWidget* heights, QTableWidget* growth, const ProjectRecord& record,
                                   int footCount, const float* footGrowth, const DisplayFormat& display) {
    const QBrush buttonFace = QApplication::palette().brush(QPalette::Button);
    const QBrush buttonText = QApplication::palette().brush(QPalette::ButtonText);
    const QBrush white(Qt::white);

    // The captions name the units the cells show: (in), (F), (mils) or (mm), (C), (mm).
    const QString letter = QString::fromLatin1(temperatureLetter(display.units).data(), 1);
    const GrowthGridCaptions captions{QStringLiteral("Operating Temp (%1)").arg(letter),
                                      QStringLiteral("Ambient Temp (%1)").arg(letter)};
    heights->setColumnCount(footCount + 1);
    heights->setRowCount(4);
    setLabelCell(heights, 0, 0, QStringLiteral("Foot"), buttonFace, buttonText);
    setLabelCell(heights, kRowHeight, 0,
                 QStringLiteral("Height (%1)").arg(toQString(display.unit(Quantity::Length))), buttonFace,
                 buttonText);
    // White on red and blue: the row colours match the thermometers and stay readable.
    setLabelCell(heights, kRowHot, 0, captions.hot, QColor(255, 0, 0), white);
    setLabelCell(heights, kRowCold, 0, captions.cold, QColor(0, 0, 255), white);
    for (int c = 1; c <= footCount; ++c) {
        setLabelCell(heights, 0, c, QString::fromStdString(formatPattern(static_cast<double>(c), "0")),
                     buttonFace, buttonText);
        setValueCell(heights, kRowHeight, c,
                     toQString(display.boxText(record.FootHeight[c - 1], Quantity::Length)), true);
        setValueCell(heights, kRowHot, c,
                     toQString(display.boxText(record.HotTemp[c - 1], Quantity::Temperature)), true);
        setValueCell(heights, kRowCold, c,
                     toQString(display.boxText(record.ColdTemp[c - 1], Quantity::Temperature)), true);
    }

    growth->setColumnCount(footCount + 1);
    growth->setRowCount(1);
    setLabelCell(growth, 0, 0,
                 QStringLiteral("Vert Growth (%1)").arg(toQString(display.unit(Quantity::Growth))),
                 buttonFace, buttonText);
    for (int c = 1; c <= footCount; ++c)
        setValueCell(growth, 0, c, toQString(display.boxText(footGrowth[c - 1], Quantity::Growth)), false);
    return captions;
}

void sizeFootGrids(const QWidget* window, QTableWidget* heights, QTableWidget* growth, double zoom) {
    const QFontMetrics metrics = heights->fontMetrics();
    const int labelWidth = std::max({pixels(window, 1500, zoom),
                                     metrics.horizontalAdvance(QStringLiteral("Operating Temp (F)")) + 12,
                                     metrics.horizontalAdvance(QStringLiteral("Vert Growth (mils)")) + 12});
    const int footWidth =
        std::max(pixels(window, 900, zoom), metrics.horizontalAdvance(QStringLiteral("-10000.")) + 12);
    const int rowHeight = std::max(pixels(window, 285, zoom), metrics.height() + 6);
    sizeGrid(heights, labelWidth, footWidth, rowHeight);
    sizeGrid(growth, labelWidth, footWidth, rowHeight);
}

}  // namespace corvane
