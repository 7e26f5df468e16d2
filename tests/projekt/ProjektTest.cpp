// The open project without a window: opening and creating, the transfers of
// the shown room, deleting rooms, surface temperatures, the checks and the
// error mark, each with what it comes to.
#include "projekt/Projekt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cerrno>
#include <string>

#include "project/recordfile.h"
#include "support/ProjectWriter.h"
#include "support/TempDir.h"

namespace virano::testing {
namespace {

namespace fs = std::filesystem;

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

class ProjektTest : public ::testing::Test {
 protected:
  void TearDown() override { faults::Clear(); }

  // A project of `names`; room `k` lacks its floor when `k` is in `noFloor`.
  fs::path Write(const std::vector<std::string>& names, std::initializer_list<int> noFloor = {}) {
    WriteNamedProject(File(), names, [&](int k, TRoomRecord& room) {
      for (int n : noFloor)
        if (k == n) room.Ytor[Floor][0] = TSurfaceRow{};
    });
    return File();
  }
  fs::path File() const { return dir_.path() / "hus.rot"; }
  TRoomRecord Record(int k) const { return ProjectFile(File()).Read(k); }
  long long Records() const { return ProjectFile(File()).Count(); }
  TUtfall Open() { return projekt_.Oeppna(Q(File()), allm_, rum_); }

  TempDir dir_{"projekt"};
  TProjekt projekt_{false};
  TAllmData allm_{"Skolan", "", "Bo", "", "", "10", "15"};
  TRumsfaelt rum_{"Kontor", "0,15", "0", "20", "20", "20", 0, "", "", ""};
};

TEST_F(ProjektTest, ANewProjectHoldsTheGeneralDataAndRoomOne) {
  const TUtfall utfall = Open();
  EXPECT_EQ(utfall.slag, TUtfall::kSkapat);
  EXPECT_EQ(fs::file_size(File()), 2u * sizeof(TRoomRecord));
  EXPECT_TRUE(projekt_.FilOK() && projekt_.NyFil() && projekt_.RumEjLagrat());
  EXPECT_EQ(projekt_.FilNamn(), Q(dir_.path() / "hus"));
  EXPECT_EQ(projekt_.AllmData().Datum, Idag());
  const TRoomRecord room = Record(1);
  EXPECT_EQ(room.RumsNamn.Text(), "Kontor");
  EXPECT_EQ(room.WattPerKvmTak.Text(), "0");  // an empty box is stored as 0
  EXPECT_TRUE(room.Ytor[FrontWall][0].Namn.Empty());
  EXPECT_FALSE(projekt_.VillStamplaRevDatum());  // a project of this run gets no revision date
}

TEST_F(ProjektTest, AnOpenedProjectShowsItsLastRoom) {
  Write({"A", "B", "C"});
  EXPECT_EQ(Open().slag, TUtfall::kOeppnat);
  EXPECT_EQ(projekt_.Rum(), 3);
  EXPECT_EQ(projekt_.HoegstaRum(), 3);
  EXPECT_EQ(projekt_.AllmData().Anl1, QStringLiteral("Skolan"));
  EXPECT_FALSE(projekt_.NyFil() || projekt_.RumEjLagrat() || projekt_.DataAendrad());
}

// A file that is not a project of this version opens nothing.
struct Refusal {
  const char* name;
  std::string bytes;  // the file's content; the first record's version is byte 1
  TUtfall::Slag slag;
  int version;
};

class ProjektRefusalTest : public ProjektTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ProjektRefusalTest, LeavesNoProjectOpen) {
  {
    QFile file(Q(File()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes.data(), static_cast<qint64>(GetParam().bytes.size()));
  }
  const TUtfall utfall = Open();
  EXPECT_EQ(utfall.slag, GetParam().slag);
  EXPECT_EQ(utfall.version, GetParam().version);
  EXPECT_FALSE(projekt_.FilOK());
  EXPECT_TRUE(projekt_.FilNamn().isEmpty());
}

std::string Record0(const char* version) {
  std::string bytes(sizeof(TRoomRecord), '\0');
  bytes[0] = static_cast<char>(std::string(version).size());
  bytes.replace(1, std::string(version).size(), version);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(Projekt, ProjektRefusalTest,
                         ::testing::Values(Refusal{"AnotherVersion", Record0("2"), TUtfall::kFelVersion, 2},
                                           Refusal{"NoVersionNumber", Record0("x"), TUtfall::kAvvisat, 0},
                                           Refusal{"ShortFile", "kort", TUtfall::kAvvisat, 0}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(ProjektTest, ACreationThatFailsOpensNothing) {
  const TUtfall utfall = projekt_.Oeppna(Q(dir_.path() / "saknas" / "hus.rot"), allm_, rum_);
  EXPECT_EQ(utfall.slag, TUtfall::kMisslyckat);
  EXPECT_FALSE(utfall.orsak.isEmpty());
  EXPECT_FALSE(projekt_.FilOK());
}

TEST_F(ProjektTest, StoringTheShownSurfaceKeepsTheOthersAndAFailureIsTold) {
  Write({"A", "B"});
  Open();
  projekt_.SattRum(1);
  ASSERT_EQ(projekt_.HamtaData(), THamtning::kLaest);
  TYtvy vy;
  vy.yta = Ceiling;
  vy.rader = {{"Tak", "0", "5", "0", "6"}, {"Lampa", "1", "2", "1", "2", "", "", "", "40"}};
  vy.punkter = {{"1", "2", "0,5"}};
  projekt_.MarkeraAendrad();
  EXPECT_TRUE(projekt_.SparaData(rum_, vy).Lyckat());
  EXPECT_FALSE(projekt_.DataAendrad() || projekt_.RumEjLagrat());
  EXPECT_TRUE(projekt_.VillStamplaRevDatum());
  const TRoomRecord room = Record(1);
  EXPECT_EQ(room.RumsNamn.Text(), "Kontor");
  EXPECT_EQ(room.Ytor[Ceiling][1].YtTemp.Text(), "40");
  EXPECT_EQ(room.Punkter[Ceiling][0].Zp.Text(), "0,5");
  EXPECT_EQ(room.Ytor[Floor][0].X2.Text(), "4");  // not shown: as read

  faults::Inject(File(), faults::Step::Write, ENOSPC);
  projekt_.MarkeraAendrad();
  const TUtfall failed = projekt_.SparaData(rum_, vy);
  EXPECT_EQ(failed.slag, TUtfall::kMisslyckat);
  EXPECT_FALSE(failed.orsak.isEmpty());
  EXPECT_TRUE(projekt_.DataAendrad());  // nothing was stored
}

// Deleting the shown room k of three (four: a new room not yet stored).
struct Deletion {
  const char* name;
  int shown;
  bool newRoom;
  TRadering shows;
  long long records;  // the file's records afterwards
};

class ProjektDeletionTest : public ProjektTest, public ::testing::WithParamInterface<Deletion> {};

TEST_P(ProjektDeletionTest, ShowsTheRoomThatFollows) {
  const Deletion& d = GetParam();
  Write(d.shown == 1 && !d.newRoom ? std::vector<std::string>{"A"}
                                   : std::vector<std::string>{"A", "B", "C"});
  Open();
  if (d.newRoom) projekt_.NyttRum();
  projekt_.SattRum(d.shown);
  const TRadering r = projekt_.RaderaRum();
  EXPECT_EQ(std::tuple(r.visa, r.laesOm, r.toemFoenster, r.nyttForsta),
            std::tuple(d.shows.visa, d.shows.laesOm, d.shows.toemFoenster, d.shows.nyttForsta));
  EXPECT_EQ(Records(), d.records);
}

INSTANTIATE_TEST_SUITE_P(
    Projekt, ProjektDeletionTest,
    ::testing::Values(Deletion{"AMiddleRoom", 2, false, {2, true, false, false}, 3},
                      Deletion{"TheLastRoom", 3, false, {2, false, false, false}, 3},
                      Deletion{"TheOnlyRoom", 1, false, {1, false, true, true}, 2},
                      Deletion{"ANewRoomNotStored", 4, true, {3, false, true, false}, 4}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ProjektTest, TheRoomTemperatureRecomputesEverySurfaceOfTheStoredRoom) {
  WriteNamedProject(File(), {"A"}, [](int k, TRoomRecord& room) {
    if (k != 1) return;
    for (auto* block : {&room.Ytor[FrontWall][0], &room.Ytor[Ceiling][2]}) {
      block->UVarde.SetText("0,3");
      block->Mi.SetText("0,13");
      block->TempUtsida.SetText("-20");
    }
  });
  Open();
  EXPECT_TRUE(projekt_.UppdateraYtTemp(QStringLiteral("18")));
  EXPECT_EQ(Record(1).Ytor[FrontWall][0].YtTemp.Text(), "16,5");
  EXPECT_EQ(Record(1).Ytor[Ceiling][2].YtTemp.Text(), "16,5");
  EXPECT_EQ(Record(1).RumsTemp.Text(), "18");
  projekt_.NyttRum();
  projekt_.SattRum(2);
  EXPECT_FALSE(projekt_.UppdateraYtTemp(QStringLiteral("19")));  // no record yet
}

TEST_F(ProjektTest, TheWalkStopsAtTheFirstRoomWithErrorsAndTheMarkFollowsTheCheck) {
  Write({"A", "B", "C", "D"}, {2, 3});
  Open();
  const TKontroll walk = projekt_.FelsokAll();
  EXPECT_EQ(walk.rum, 2);
  ASSERT_EQ(walk.fel.size(), 1u);
  EXPECT_EQ(projekt_.SenasteFel().size(), 1u);
  EXPECT_TRUE(projekt_.FelMarkerat());
  projekt_.KontrollSedd();
  EXPECT_FALSE(projekt_.FelMarkerat());
  projekt_.SattRodaCeller(true);
  EXPECT_TRUE(projekt_.FelMarkerat());
  projekt_.SattRodaCeller(false);

  EXPECT_TRUE(projekt_.Felsok(4).fel.empty());
  EXPECT_FALSE(projekt_.FelMarkerat());
  EXPECT_TRUE(projekt_.SenasteFel().empty());

  QFile::remove(projekt_.ProjektFil());
  const TKontroll failed = projekt_.FelsokAll();
  EXPECT_FALSE(failed.Gjord());
  EXPECT_FALSE(projekt_.FelMarkerat());  // a check not made refuses nothing
}

TEST_F(ProjektTest, SaveAsGoesOnInACopyMadeToday) {
  Write({"A", "B"});
  Open();
  const QString copy = Q(dir_.path() / "kopia");
  EXPECT_TRUE(projekt_.SparaSom(copy, allm_).Lyckat());
  EXPECT_EQ(projekt_.FilNamn(), copy);
  EXPECT_EQ(ProjectFile(dir_.path() / "kopia.rot").Count(), 3);
  EXPECT_EQ(ProjectFile(dir_.path() / "kopia.rot").Read(0).Datum.Text(), Idag().toStdString());
}

}  // namespace
}  // namespace virano::testing
