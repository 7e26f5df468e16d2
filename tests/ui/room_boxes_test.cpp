// The room's heating system, air velocity, ROT increase and target ROT.
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

#include "ProjectFixture.h"

namespace virano::testing {
namespace {

class RoomBoxesTest : public ProjectWindowTest {
 protected:
  void SetUp() override {
    ProjectWindowTest::SetUp();
    file_ = MakeProject(QStringLiteral("hus.rot"), {"A"});
    Open(file_);
    ClickTab(TForm1::kIndata);
  }
  void ChooseVelocity(int item) {
    form->LuftHastComboBox->setFocus();
    form->LuftHastComboBox->setCurrentIndex(item);
    emit form->LuftHastComboBox->activated(item);
  }
  static void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  // Takes the focus away from the velocity box, to the room name.
  void LeaveVelocity() { form->RumsNamn->setFocus(); }
  bool Red(const QWidget* box) const { return box->palette().color(QPalette::Base) == colours::kRed; }
  QString F(const char* text) const { return FormatDecimal(QString::fromUtf8(text)); }
  TRoomRecord Room() const { return Record(file_, 1); }

  QString file_;
};

TEST_F(RoomBoxesTest, AirVelocitySetsTheIncreaseAndTheMinimumRot) {
  struct Case { int item; const char *incRot, *minRot; bool open; };
  for (const Case& c : {Case{4, "0,7", "20,7", false}, Case{3, "0", "20", false},
                        Case{5, "1,3", "21,3", false}, Case{6, "2,0", "22", false},
                        Case{7, "0", "20", true}}) {
    ChooseVelocity(c.item);
    EXPECT_EQ(form->IncROT->text(), F(c.incRot)) << c.item;
    EXPECT_EQ(form->MinRot->text(), F(c.minRot)) << c.item;
    EXPECT_EQ(form->IncROT->isEnabled(), c.open) << c.item;
    EXPECT_EQ(Red(form->IncROT), c.open) << c.item;
  }
  Retype(form->IncROT, F("2,5"));
  EXPECT_EQ(form->MinRot->text(), F("22,5"));
  EXPECT_FALSE(Red(form->IncROT));
  ClickTab(TForm1::kAllmIndata);  // the increase typed alone is stored
  EXPECT_EQ(FieldText(Room().IncROT), F("2,5"));
  EXPECT_EQ(FieldText(Room().MinRot), F("22,5"));
}

TEST_F(RoomBoxesTest, TargetRotTypedAloneIsStoredWithTheMinimumRot) {
  Retype(form->Rot, QStringLiteral("21"));
  EXPECT_EQ(form->MinRot->text(), QStringLiteral("21"));
  ClickTab(TForm1::kAllmIndata);
  EXPECT_EQ(FieldText(Room().Rot), QStringLiteral("21"));
  EXPECT_EQ(FieldText(Room().MinRot), QStringLiteral("21"));
}

TEST_F(RoomBoxesTest, TypedVelocityRunsTheRuleWhenTheBoxIsLeft) {
  form->DecimalPunkt = true;
  ChooseVelocity(4);  // "0,25"
  EXPECT_EQ(form->IncROT->text(), QStringLiteral("0.7"));
  LeaveVelocity();
  EXPECT_EQ(form->LuftHastComboBox->currentText(), QStringLiteral("0.25"));

  Retype(form->LuftHastComboBox->lineEdit(), QStringLiteral("0.3"));
  EXPECT_EQ(form->IncROT->text(), QStringLiteral("0.7"));  // typing runs no rule
  LeaveVelocity();
  EXPECT_EQ(form->IncROT->text(), QStringLiteral("1.3"));
  Retype(form->LuftHastComboBox->lineEdit(), QStringLiteral("0.5"));
  LeaveVelocity();
  EXPECT_TRUE(form->IncROT->isEnabled());
  EXPECT_EQ(form->IncROT->text(), QStringLiteral("1.3"));  // kept, on red
  EXPECT_TRUE(Red(form->IncROT));

  ChooseVelocity(7);
  Retype(form->IncROT, QStringLiteral("2.5"));
  form->LuftHastComboBox->setFocus();
  LeaveVelocity();
  EXPECT_EQ(form->IncROT->text(), QStringLiteral("2.5"));
}

TEST_F(RoomBoxesTest, HeatingSystemShowsItsInputsAndKeepsThem) {
  QTest::mouseClick(form->RadioGroup1->Button(3), Qt::LeftButton);  // "Takvärme"
  EXPECT_TRUE(form->TakHeatPanel->isVisible());
  Retype(form->WattPerKvmTak, QStringLiteral("80"));
  QTest::mouseClick(form->RadioGroup1->Button(4), Qt::LeftButton);  // "Golvvärme"
  EXPECT_FALSE(form->TakHeatPanel->isVisible());
  ClickTab(TForm1::kAllmIndata);
  EXPECT_EQ(Room().HeatSystem.Get(), 4);
  EXPECT_EQ(FieldText(Room().WattPerKvmTak), QStringLiteral("80"));
}

}  // namespace
}  // namespace virano::testing
