#include "plane/canvascells.h"

#include <algorithm>
#include <cstring>

CellGrid::CellGrid(QSize area, int cellSize)
    : m_area(area)
    , m_cellSize(std::max(cellSize, 1))
    , m_columns((area.width() + m_cellSize - 1) / m_cellSize)
    , m_rows((area.height() + m_cellSize - 1) / m_cellSize)
{
}

QRect CellGrid::cellRect(int cell) const
{
    const QRect whole((cell % m_columns) * m_cellSize, (cell / m_columns) * m_cellSize, m_cellSize, m_cellSize);
    return whole & area();
}

QRect CellGrid::cellsReached(const QRect &imageRect) const
{
    const QRect inside = imageRect & area();
    if (inside.isEmpty())
        return QRect();
    return QRect(QPoint(inside.left() / m_cellSize, inside.top() / m_cellSize),
                 QPoint(inside.right() / m_cellSize, inside.bottom() / m_cellSize));
}

void CellSet::reset(const CellGrid &grid)
{
    m_grid = &grid;
    m_flags.assign(size_t(grid.count()), 0);
    m_cells.clear();
}

void CellSet::insert(const QRect &imageRect)
{
    const QRect cells = m_grid->cellsReached(imageRect);
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            insert(row * m_grid->columns() + column);
}

void CellSet::insertAll()
{
    for (int cell = 0; cell < int(m_flags.size()); ++cell)
        insert(cell);
}

void CellSet::unite(const CellSet &other)
{
    for (int cell : other.m_cells)
        insert(cell);
}

void CellSet::unite(const CellPixels &held)
{
    held.forEach([this](int cell) { insert(cell); });
}

void CellSet::clear()
{
    for (int cell : m_cells)
        m_flags[cell] = 0;
    m_cells.clear();
}

void CellSet::runs(std::vector<QRect> &runs) const
{
    runs.clear();
    if (m_cells.empty())
        return;
    const auto [first, last] = std::minmax_element(m_cells.begin(), m_cells.end());
    const int columns = m_grid->columns();
    for (int row = *first / columns; row <= *last / columns; ++row) {
        const quint8 *flags = m_flags.data() + size_t(row) * columns;
        const quint8 *end = flags + columns;
        for (const quint8 *at = flags; (at = static_cast<const quint8 *>(std::memchr(at, 1, size_t(end - at))));) {
            const quint8 *runEnd = std::find(at, end, quint8(0));
            const int firstCell = row * columns + int(at - flags);
            const int lastCell = row * columns + int(runEnd - flags) - 1;
            runs.push_back(m_grid->cellRect(firstCell) | m_grid->cellRect(lastCell));
            at = runEnd;
        }
    }
}

void CellPixels::reset(const CellGrid &grid)
{
    m_grid = &grid;
    m_slot.assign(size_t(grid.count()), None);
    m_held.clear();
    m_pixels = {};
}

void CellPixels::keep(const QImage &from, int cell)
{
    const int size = m_grid->cellSize();
    const size_t slot = m_pixels.size() / (size_t(size) * size);
    m_pixels.resize(m_pixels.size() + size_t(size) * size);
    const QRect rect = m_grid->cellRect(cell);
    quint32 *to = m_pixels.data() + slot * size * size;
    const uchar *top = from.constBits() + rect.top() * from.bytesPerLine() + rect.left() * 4;
    for (int y = 0; y < rect.height(); ++y)
        std::memcpy(to + y * size, top + y * from.bytesPerLine(), size_t(rect.width()) * 4);
    m_slot[cell] = int(slot);
    m_held.push_back(cell);
}

void CellPixels::keepBlack(int cell)
{
    m_slot[cell] = Black;
    m_held.push_back(cell);
}

const quint32 *CellPixels::pixels(int cell) const
{
    const int slot = m_slot[cell];
    const size_t size = size_t(m_grid->cellSize());
    return slot >= 0 ? m_pixels.data() + slot * size * size : nullptr;
}

void CellPixels::putBack(QImage &to, int cell) const
{
    const QRect rect = m_grid->cellRect(cell);
    const quint32 *from = pixels(cell);
    const int size = m_grid->cellSize();
    // One look at the image's pixels, not one per row: each asks whether
    // the image is shared.
    uchar *top = to.bits() + rect.top() * to.bytesPerLine();
    for (int y = 0; y < rect.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(top + y * to.bytesPerLine()) + rect.left();
        if (from)
            std::memcpy(line, from + y * size, size_t(rect.width()) * 4);
        else
            std::fill(line, line + rect.width(), quint32(0xFF000000));
    }
}

void CellPixels::clear()
{
    if (!m_grid)
        return;
    for (int cell : m_held)
        m_slot[cell] = None;
    m_held.clear();
    // What a whole picture once needed (a scene drawn over a full drawing
    // area) is given back; what frames usually need is kept for the next.
    if (m_pixels.capacity() > size_t(m_slot.size()) * m_grid->cellSize() * m_grid->cellSize() / 8)
        m_pixels = {};
    else
        m_pixels.clear();
}
