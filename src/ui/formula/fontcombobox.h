// The face box: every face, sorted, under a recently-used section of up to
// ten faces at the top (those faces thus appear twice).  Choosing a face
// sends it with its character set (faceChosen) and moves it to the top of
// the section; typing completes the name from the list.  The editor's face
// at the caret shows in the box (ShowFace) unless the user is working in it.
#pragma once
#include <QComboBox>
#include <QHashFunctions>
#include <QStringList>
#include <unordered_map>
#include <unordered_set>

// The faces the program offers: the toolkit's families, the faces
// documents name (mapped to installed faces at start-up) and "Symbol";
// never a vertical ("@") face.  Sorted, each once.
QStringList AvailableFaces();

class CFontComboBox : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int kRecentSize = 10;
  static constexpr int kEntryHeight = 22;

  explicit CFontComboBox(QWidget* parent = nullptr);

  // Lists the faces (sorted) and moves the start faces into the section.
  void FillFontList(const QStringList& faces = AvailableFaces(), int recentSize = kRecentSize);
  // A known face goes to the top of the section (and is selected); a face
  // new to the section first pushes out its last entry when it is full.
  void MoveToRecent(const QString& face);
  // Selects the entry of the face; with none, no entry and an empty field.
  // Ignored while the box has focus.
  void ShowFace(const QString& face);

  int RecentCount() const { return m_nRecent; }
  QStringList RecentFaces() const;
  bool IsKnownFace(const QString& face) const { return m_charSets.contains(face); }
  // The character set of a listed face; 0 for a face the list lacks.
  int CharSetOf(const QString& face) const {
    const auto it = m_charSets.find(face);
    return it == m_charSets.end() ? 0 : it->second;
  }
  bool HasFocusWithin() const;

 signals:
  void faceChosen(const QString& face, int charSet);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Complete(const QString& typed);
  void Choose(const QString& face);

  // Not QHash and QSet, whose inserts end the program when memory runs out.
  std::unordered_map<QString, int> m_charSets;  // every listed face
  std::unordered_set<QString> m_recent;         // the faces of the section
  int m_nRecent = 0;
  int m_nRecentSize = kRecentSize;
  QString m_strTyped;  // the text last typed, to tell typing from deleting
};
