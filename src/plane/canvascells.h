#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

// The canvas's drawing area cut into square cells of image pixels: the unit
// in which the canvas keeps what lies under its drawings, remembers where it
// drew and repaints. A drawing touches few cells, so a frame costs in
// proportion to what it changes. Cells count row by row from the top left;
// those of the last column and row may be cut short by the area's edges.
class CellGrid
{
public:
    CellGrid() = default;
    // `area` in image pixels, from (0, 0).
    CellGrid(QSize area, int cellSize);

    int count() const { return m_columns * m_rows; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int cellSize() const { return m_cellSize; }
    QRect area() const { return QRect(QPoint(), m_area); }
    QRect cellRect(int cell) const;
    // The first and last cell of each row that `imageRect` reaches, as
    // columns and rows; empty (left > right) when it reaches none.
    QRect cellsReached(const QRect &imageRect) const;

private:
    QSize m_area;
    int m_cellSize = 1;
    int m_columns = 0;
    int m_rows = 0;
};

class CellPixels;

// A set of cells of one grid. Its cells are listed as well as flagged, so
// that visiting or clearing a few cells costs nothing for the others.
class CellSet
{
public:
    void reset(const CellGrid &grid);
    void insert(int cell)
    {
        if (!m_flags[cell]) {
            m_flags[cell] = 1;
            m_cells.push_back(cell);
        }
    }
    // Every cell that `imageRect` reaches.
    void insert(const QRect &imageRect);
    void insertAll();
    void unite(const CellSet &other);
    // Every cell that `held` holds pixels, or black, for.
    void unite(const CellPixels &held);
    void clear();

    // In no particular order.
    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (int cell : m_cells)
            visit(cell);
    }
    // The image pixels of the set as rectangles into `runs`, each a run of
    // adjacent cells of one row, ordered as QRegion::setRects wants them.
    void runs(std::vector<QRect> &runs) const;

private:
    const CellGrid *m_grid = nullptr;
    std::vector<quint8> m_flags;
    std::vector<int> m_cells;
};

// Pixels of some cells of an image, kept to be put back later: what lay
// under a drawing, or the cells in which a picture differs from its base.
// A cell that was plain black keeps no pixels.
class CellPixels
{
public:
    void reset(const CellGrid &grid);
    bool holds(int cell) const { return m_slot[cell] != None; }
    void keep(const QImage &from, int cell);
    void keepBlack(int cell);
    void putBack(QImage &to, int cell) const;
    // The kept pixels of `cell`, row by row, cellSize() to a row; nullptr for
    // a black cell.
    const quint32 *pixels(int cell) const;
    void clear();

    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (int cell : m_held)
            visit(cell);
    }

private:
    static constexpr int None = -1;
    static constexpr int Black = -2;

    const CellGrid *m_grid = nullptr;
    std::vector<int> m_slot; // per cell: None, Black or the slot of its pixels
    std::vector<int> m_held; // the cells held, in the order kept
    std::vector<quint32> m_pixels;
};
