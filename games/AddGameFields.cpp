// The game entry screen's field order: Tab walks every field, Enter walks the
// scorecard through the nine totals, skips Gross, and ends on Save.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "games/frmAddGame.h"
#include "ui/fields/FieldBehaviour.h"

namespace parlow::games {
namespace {

const QColor kNetRed(255, 0, 0);

}  // namespace

void frmAddGame::SetTabOrder() {
    std::vector<QWidget*> order{lvClub, cboBox[kGolferName], datBox};
    for (int hole = 0; hole < 9; ++hole) {
        order.push_back(txtBox[hole]);
    }
    order.push_back(txtPar[kOut]);
    for (int hole = 9; hole < kHoles; ++hole) {
        order.push_back(txtBox[hole]);
    }
    order.insert(order.end(), {txtPar[kIn], boxScore[kNet], boxScore[kGross]});
    order.insert(order.end(), statBox.begin(), statBox.end());
    for (int partner = 0; partner < kPartners; ++partner) {
        order.push_back(txtBox[kFirstPartnerName + partner]);
        order.push_back(txtBox[kFirstPartnerScore + partner]);
    }
    order.insert(order.end(), {cmdSave, cmdClear, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void frmAddGame::ApplyFieldBehaviour() {
    std::vector<parlow::FieldEntry> table{{cboBox[kGolferName], lblGolfer}, {datBox, lblDate}};
    for (int hole = 0; hole < 9; ++hole) {
        table.push_back({txtBox[hole], lblHole[hole]});
    }
    table.push_back({txtPar[kOut], lblHole[9]});
    for (int hole = 9; hole < kHoles; ++hole) {
        table.push_back({txtBox[hole], lblHole[hole + 1]});
    }
    table.push_back({txtPar[kIn], lblHole[19]});
    parlow::FieldEntry net{boxScore[kNet], lblScore, lblNet};
    net.secondLit = kNetRed;
    table.push_back(net);
    table.push_back({boxScore[kGross], lblScore});
    for (int count = 0; count < kDetailCounts; ++count) {
        table.push_back({statBox[count], lblStats[count]});
    }
    for (int partner = 0; partner < kPartners; ++partner) {
        table.push_back({txtBox[kFirstPartnerName + partner], lblPartner[partner]});
        table.push_back({txtBox[kFirstPartnerScore + partner], lblPartnerScore[partner]});
    }
    behaviour_ = new parlow::FieldBehaviour(this, std::move(table), cmdSave);
    behaviour_->SetNext(boxScore[kNet], statBox[0]);
    behaviour_->SetNext(boxScore[kGross], boxScore[kNet]);
    behaviour_->ColourOnFocus(cmdSave, parlow::kSaveGreen);
    behaviour_->AddRecordView(lvClub, [this](const QModelIndex& row) { ChooseCourse(row); });
}

}  // namespace parlow::games
