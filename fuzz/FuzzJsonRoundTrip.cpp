// A project, as any bytes, exported by Omvandlare to JSON and imported
// again: every text, the heating system and the number of rooms come back
// as they were. Bytes that the program never reads (after a text's length,
// the room fields of the general record, the general fields of a room) are
// not compared.
#include <QJsonDocument>

#include "FuzzSupport.h"
#include "Omvandling.h"

namespace virano {
namespace {

template <std::size_t N>
void Same(const ShortString<N>& a, const ShortString<N>& b, const std::string& where) {
  if (a.Raw() != b.Raw()) fuzz::Broken(where + ": '" + a.Text() + "' became '" + b.Text() + "'");
}

void SameGeneral(const TRoomRecord& a, const TRoomRecord& b) {
  Same(a.FilVersion, b.FilVersion, "FilVersion");
  Same(a.TextStorlek, b.TextStorlek, "TextStorlek");
  Same(a.Radavst, b.Radavst, "Radavst");
  Same(a.Signatur, b.Signatur, "Signatur");
  Same(a.Anl1, b.Anl1, "Anl1");
  Same(a.Anl2, b.Anl2, "Anl2");
  Same(a.Datum, b.Datum, "Datum");
  Same(a.RevDatum, b.RevDatum, "RevDatum");
}

void SameRoom(const TRoomRecord& a, const TRoomRecord& b) {
  Same(a.RumsNamn, b.RumsNamn, "RumsNamn");
  Same(a.LuftHast, b.LuftHast, "LuftHast");
  Same(a.IncROT, b.IncROT, "IncROT");
  Same(a.RumsTemp, b.RumsTemp, "RumsTemp");
  Same(a.Rot, b.Rot, "Rot");
  Same(a.MinRot, b.MinRot, "MinRot");
  Same(a.WattPerKvmTak, b.WattPerKvmTak, "WattPerKvmTak");
  Same(a.Temp05OG, b.Temp05OG, "Temp05OG");
  Same(a.Temp18OG, b.Temp18OG, "Temp18OG");
  if (a.HeatSystem.Get() != b.HeatSystem.Get()) fuzz::Broken("HeatSystem");
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    for (int r = 0; r < kSurfaceRowsPerBlock; ++r)
      for (int c = 0; c < TSurfaceRow::kCellCount; ++c)
        Same(a.Ytor[s][r].cell(c), b.Ytor[s][r].cell(c), "Ytor");
    for (int r = 0; r < kPointRowsPerBlock; ++r)
      for (int c = 0; c < TPointRow::kCellCount; ++c)
        Same(a.Punkter[s][r].cell(c), b.Punkter[s][r].cell(c), "Punkter");
  }
}

}  // namespace
}  // namespace virano

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace virano;
  const auto records = fuzz::RecordsOf<TRoomRecord>(data, size);
  const QByteArray json = omvandlare::ProjectToJson(records);
  std::vector<TRoomRecord> back;
  try {
    back = omvandlare::ProjectFromJson(QJsonDocument::fromJson(json));
  } catch (const omvandlare::ConverterError& error) {
    fuzz::Broken(std::string("the export is refused by the import: ") + error.what());
  }
  if (back.size() != records.size()) fuzz::Broken("the number of records changed");
  SameGeneral(records[0], back[0]);
  for (std::size_t k = 1; k < records.size(); ++k) SameRoom(records[k], back[k]);
  return 0;
}
