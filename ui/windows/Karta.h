#pragma once
// The window "ROT-karta": the ROT map of the shown room's shown main surface,
// or the map of its radiant temperature asymmetry, computed from the stored
// room on worker threads while the window goes on, and drawn as the room
// drawing draws the surface. It follows the room the main window shows to
// another room, main surface or stored version.
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "projekt/VisatRum.h"
#include "reports/rot_karta_bild.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace virano {

class Dialogs;

// The map's picture; tells the text of the point under the mouse.
class TKartaYta : public QWidget {
  Q_OBJECT
 public:
  TKartaYta(const RotKartaData& karta, QWidget* parent);
  // "Xp / Yp: ROT" (or the asymmetry) of the point under the mouse, or empty.
  std::function<void(const QString& text)> OnPunkt;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const RotKartaData& data_;
};

class TKartaForm : public QWidget {
  Q_OBJECT
 public:
  // A window of its own, owned by `parent`, of the room `rum`; its exports
  // ask `dialogs`.
  TKartaForm(Dialogs& dialogs, const TVisatRum& rum, QWidget* parent);
  ~TKartaForm() override;

  // Shows the window and brings its map up to date.
  void Visa();
  // The main window shows `rum`, or has stored it anew: the map follows.
  void VisaRum(const TVisatRum& rum);
  // Brings the map up to date once the present event is handled: reads the
  // shown room from the project file and computes its map anew when the
  // room, its main surface, what the map shows, the category, the distance
  // or the step changed. Several
  // requests make one; a hidden window does nothing.
  void Uppdatera();
  // True while the map is being brought up to date.
  bool Beraknar() const;
  // The map shown; without cells while none is complete.
  const RotKartaData& Karta() const { return data_; }

  void SparaBildButtonClick();
  void ExportCsvButtonClick();

  QComboBox* Storhet;   // "ROT" or "Strålningsasymmetri"
  QComboBox* Kategori;  // the comfort category of the asymmetry's limits
  QLineEdit* Avstand;
  QLineEdit* Steg;
  TKartaYta* KartaYta;
  QLabel* Punkt;   // the point under the mouse
  QLabel* Status;  // what the map shows, or why it shows none
  QProgressBar* ProgressBar1;
  QPushButton* SparaBildButton;
  QPushButton* ExportCsvButton;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // Escape closes the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Indata;
  struct Jobb;
  void UppdateraNu();
  std::optional<Indata> LasIndata();
  void Starta(const Indata& in);
  // Stops the computation going on, if any; its result is dropped.
  void Avbryt();
  void Klar(int generation, const std::shared_ptr<RotMap>& map, const QString& error);
  void VisaStatus(const QString& text, bool fel);
  // The status line of a finished map: the points, the ROT's range and
  // those below the minimum; or the largest asymmetry and the points over
  // the limit.
  QString RotStatus() const;
  QString AsymmetriStatus() const;
  // Writes what `bytes` gives to a file the user chooses, named after the
  // project, the room and the surface.
  void Exportera(const QString& title, const QString& filter, const QString& suffix,
                 const std::function<QByteArray()>& bytes);

  Dialogs& dialogs_;
  TVisatRum rum_;
  QTimer* uppdatering_;
  RotKartaData data_;
  std::unique_ptr<Indata> senaste_;  // what the map shown, or being computed, is of
  std::unique_ptr<Jobb> jobb_;
  int generation_ = 0;
};

}  // namespace virano
