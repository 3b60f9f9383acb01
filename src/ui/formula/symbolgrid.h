// The symbol grid: a pop-up of 8 columns of images (a cell is the image
// plus 2 pixels) that holds the mouse while it is open.  Releasing the
// button over an image reports its index (symbolPicked); releasing it
// anywhere else, or pressing outside, only closes the grid.  The grid
// deletes itself when it closes.
//
//   auto* grid = new CToolBarPopupWnd(dialog, SymbolImages(), at);
//   connect(grid, &CToolBarPopupWnd::symbolPicked, dialog, &CVodDlgWindow::OnSymbolPicked);
#pragma once
#include <QImage>
#include <QRect>
#include <QWidget>
#include <vector>

class CToolBarPopupWnd : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 8;

  // Shown at once with its top-left corner at the screen point `at`.
  CToolBarPopupWnd(QWidget* owner, const std::vector<QImage>& images, QPoint at);

  int Rows() const { return m_nRows; }
  QSize CellSize() const { return m_cell; }
  // The cells, inside the window's one-pixel border.
  QRect GridRect() const { return m_rcGrid; }
  // The image index at a window point; -1 outside the grid or past the
  // last image.
  int IndexAt(QPoint point) const;

 signals:
  void symbolPicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect CellRect(int column, int row) const;

  const std::vector<QImage>& m_images;
  int m_nRows = 0;
  QSize m_cell;
  QRect m_rcGrid;
  int m_nHotColumn = -1;
  int m_nHotRow = -1;
};
