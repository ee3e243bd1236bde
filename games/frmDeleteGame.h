#pragma once
// The game removal screen: lists every stored game, shows the one chosen, and
// removes it through DeleteGame, which takes its figures back out of the
// golfer's statistics.
#include <QStringList>
#include <QWidget>

class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace parlow {
class RecordTableModel;
}

namespace parlow::games {

class frmDeleteGame : public QWidget {
    Q_OBJECT
  public:
    explicit frmDeleteGame(QWidget* parent = nullptr);

    QLabel* lblHeading = nullptr;
    QTreeView* lvGame = nullptr;
    parlow::RecordTableModel* gameRows = nullptr;
    QLabel* lblID = nullptr;
    QLabel* lblGolfer = nullptr;
    QLabel* lblClub = nullptr;
    QLabel* lblTees = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblHoles = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblNet = nullptr;
    QLabel* lblGID = nullptr;  // hidden: the shown game's golfer
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;

  private:
    void CreateControls();
    void LayOut();
    void LoadGames();
    void ShowGame(const QModelIndex& index);
    void Remove();
    void Clear();

    // Every cell of the shown game's row, copied when it was chosen, so that
    // the removal never takes figures from another row the list moved to.
    QStringList shown_;
};

}  // namespace parlow::games
