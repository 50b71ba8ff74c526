#pragma once

#include "cmnform.h"

#include <QSizeF>
#include <QString>

#include <memory>

class QGraphicsItem;
class QGraphicsScene;

// A form the size of a six-generation pedigree: 150 boxes with HTML text
// (24 in a header strip, 2 + 4 + ... + 64 in six generation columns), each
// with a thin solid border, in a root with rounded corners, plus their
// containers. Built under the page item, not yet laid out.
constexpr int kBenchHeaderBoxes = 24;
constexpr int kBenchGenerations = 6;
constexpr int kBenchCells = kBenchHeaderBoxes + (2 << kBenchGenerations) - 2;

QString BenchCellHtml(int index);
std::unique_ptr<CCmnForm> BenchBuildPedigreeForm(QGraphicsItem *page, const QSizeF &size, double dotsPerInch);

// Renders the scene into a white image of the page size, as an export would.
void BenchRenderScene(QGraphicsScene &scene, const QSizeF &page);
