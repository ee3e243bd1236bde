// Pictures of the three course screens as the program opens them: each in a
// main window the size of a 1280x800 desktop, at the size it opens with,
// filled with a sample course; then the three together, tiled and cascaded.
//
//   course_screenshots <folder>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

#include "app/windows/MdiScreens.h"
#include "courses/frmAddClub.h"
#include "courses/frmDeleteClub.h"
#include "courses/frmEditClub.h"
#include "tests/courses/CourseScreenSupport.h"

namespace course_tests {
namespace {

// The helpers of the screen tests, without a test around them.
struct Typist : CourseScreenTest {
    void TestBody() override {}
};

class Desktop {
  public:
    Desktop() : area_(new QMdiArea(&main_)), screens_(area_) {
        main_.setCentralWidget(area_);
        main_.setWindowTitle("The Parlow's Log v3.1");
        main_.resize(1280, 760);  // what a 1280x800 desktop leaves below its panel
        main_.show();
    }
    QWidget* Open(const QString& name, QWidget* screen) {
        screens_.Open(name, [screen] { return screen; });
        Typist::ShowAndActivate(screen);
        return screen;
    }
    parlow::MdiScreens& Screens() { return screens_; }
    bool Save(const QString& file) {
        Typist::Settle();
        return main_.grab().save(file);
    }

  private:
    QMainWindow main_;
    QMdiArea* area_;
    parlow::MdiScreens screens_;
};

void ChooseCourse(parlow::courses::frmEditClub* edit, const QString& name) {
    edit->cboClub[0]->setCurrentIndex(edit->cboClub[0]->findText(name, Qt::MatchStartsWith));
    edit->form->txtBox[0]->setFocus();
}

void ChooseRow(parlow::courses::frmDeleteClub* remove, const QString& name) {
    auto rows = remove->lvClub->findItems(name, Qt::MatchStartsWith, 1);
    if (!rows.isEmpty()) {
        remove->lvClub->setCurrentItem(rows.front());
        emit remove->lvClub->itemClicked(rows.front(), 0);
    }
}

}  // namespace
}  // namespace course_tests

int main(int argc, char** argv) {
    using namespace course_tests;
    using namespace parlow::courses;
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: course_screenshots <folder>\n");
        return 2;
    }
    const QString out = QString(argv[1]) + "/";
    Typist typist;  // a fresh program folder, and prompts that answer by themselves
    typist.StoreCourse("C2", "Augusta National", "Black");
    typist.StoreCourse("C4", "Pebble Beach Golf Links", "Gold");
    {
        frmAddClub add;
        Typist::ShowAndActivate(&add);
        Typist::TypeCourse(add.form, Sample());
        Typist::Click(add.form->cmdSave);
    }
    bool saved = true;
    {
        Desktop desktop;
        auto* add = new frmAddClub;
        desktop.Open("mnuAddCourse", add);
        Typist::TypeCourse(add->form, Sample());
        add->form->capBox[4]->setFocus();  // lights hole 5 in red
        saved &= desktop.Save(out + "course-entry.png");
    }
    {
        Desktop desktop;
        auto* edit = new frmEditClub;
        desktop.Open("mnuEditClubs", edit);
        ChooseCourse(edit, "Club de golf");
        edit->form->teeBox[4]->setFocus();
        saved &= desktop.Save(out + "course-edit.png");
    }
    {
        Desktop desktop;
        auto* remove = new frmDeleteClub;
        desktop.Open("mnuDeleteClub", remove);
        ChooseRow(remove, "Club de golf");
        saved &= desktop.Save(out + "course-removal.png");
    }
    {
        Desktop desktop;
        auto* add = new frmAddClub;
        auto* edit = new frmEditClub;
        auto* remove = new frmDeleteClub;
        desktop.Open("mnuAddCourse", add);
        Typist::TypeCourse(add->form, Sample());
        desktop.Open("mnuEditClubs", edit);
        ChooseCourse(edit, "Pebble");
        desktop.Open("mnuDeleteClub", remove);
        saved &= desktop.Save(out + "course-cascaded.png");
        desktop.Screens().TileHorizontally();
        saved &= desktop.Save(out + "course-tiled.png");
        remove->parentWidget()->showMaximized();
        saved &= desktop.Save(out + "course-maximised.png");
    }
    std::printf("%s\n", saved ? "saved" : "not saved");
    return saved ? 0 : 1;
}
