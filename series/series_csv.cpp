#include "series/series_csv.h"

#include <utility>
#include <vector>

namespace quirlweg {
namespace {

CsvWord EndWord(JourneyEnd end) {
  switch (end) {
    case JourneyEnd::Home:
      return CsvWord::EndHome;
    case JourneyEnd::Top:
      return CsvWord::EndTop;
    case JourneyEnd::Right:
      return CsvWord::EndRight;
    case JourneyEnd::Bottom:
      return CsvWord::EndBottom;
    case JourneyEnd::Left:
      return CsvWord::EndLeft;
    case JourneyEnd::ZFace:
      break;
  }
  return CsvWord::EndZFace;
}

std::string Whole(std::int64_t value) {
  return std::to_string(value);
}

}  // namespace

SeriesCsvStream::SeriesCsvStream(const SeriesHeader& header, CsvWords words,
                                 std::string decimalSeparator)
    : words_(std::move(words)), csv_(std::move(decimalSeparator)) {
  WriteHeader(header);
  std::vector<std::string> names;
  for (const CsvWord column :
       {CsvWord::Number, CsvWord::Length, CsvWord::X, CsvWord::Y, CsvWord::Z, CsvWord::End,
        CsvWord::Dimension, CsvWord::Radius, CsvWord::RightProbability, CsvWord::HomeAbsorbs,
        CsvWord::StartX, CsvWord::StartY, CsvWord::NumberInProtocol}) {
    names.push_back(Word(column));
  }
  csv_.Row(names);
}

void SeriesCsvStream::WriteHeader(const SeriesHeader& header) {
  const theory::Setting& s = header.setting;
  const auto yesNo = [this](bool yes) { return Word(yes ? CsvWord::Yes : CsvWord::No); };
  csv_.Row({Word(CsvWord::Title)});
  csv_.Row({Word(CsvWord::Date), header.when});
  csv_.Row({Word(CsvWord::Dimension), Whole(s.dimension)});
  csv_.Row({Word(CsvWord::Radius), Whole(s.radius)});
  csv_.Row({Word(CsvWord::RightProbability), csv_.Number(s.rightProbability)});
  csv_.Row({Word(CsvWord::StartX), Whole(s.startX)});
  csv_.Row({Word(CsvWord::StartY), Whole(-s.startY)});
  csv_.Row({Word(CsvWord::HomeAbsorbs), yesNo(s.homeAbsorbs)});
  if (header.seed) csv_.Row({Word(CsvWord::Seed), std::to_string(*header.seed)});
  if (header.mixesSettings) csv_.Row({Word(CsvWord::MixesSettings)});
  if (header.exact) {
    const theory::JourneyStatistics& e = *header.exact;
    const auto exact = [this](CsvWord word, double value) {
      csv_.Row({Word(word), csv_.Number(value)});
    };
    exact(CsvWord::ExactHome, e.home);
    exact(CsvWord::ExactTop, e.top);
    exact(CsvWord::ExactRight, e.right);
    exact(CsvWord::ExactBottom, e.bottom);
    exact(CsvWord::ExactLeft, e.left);
    if (s.dimension == 3) exact(CsvWord::ExactZFaces, e.zFace);
    exact(CsvWord::ExactMeanLength, e.meanLength);
    exact(CsvWord::ExactSdLength, e.sdLength);
  } else {
    csv_.Row({Word(CsvWord::ExactMissing)});
  }
  csv_.Row({});
}

// A journey as its row: its place in the series, where it ended and, since a series may mix
// settings, what it ran under; last the number the protocol gave it, which begins anew after
// 1001 journeys. Like the protocol, y counts upward.
void SeriesCsvStream::Add(const JourneyRecord& j) {
  const JourneySetting& s = j.setting;
  csv_.Row({Whole(++journeys_), Whole(j.length), Whole(j.x), Whole(-j.y), Whole(j.z),
            Word(EndWord(j.end)), Whole(s.dimension), Whole(s.radius),
            csv_.Number(s.rightProbability), Word(s.homeAbsorbs ? CsvWord::Yes : CsvWord::No),
            Whole(s.startX), Whole(-s.startY), Whole(j.number)});
}

std::string SeriesCsv(const JourneySeries& journeys, const SeriesHeader& header,
                      const CsvWords& words, const std::string& decimalSeparator) {
  SeriesCsvStream csv(header, words, decimalSeparator);
  for (const JourneyRecord& j : journeys) csv.Add(j);
  return csv.Take();
}

}  // namespace quirlweg
