#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "classroom/class_code.h"
#include "classroom/class_protocol.h"
#include "classroom/class_record.h"
#include "common/walked_journeys.h"
#include "lesson/experiment_file.h"
#include "web/core/web_walk.h"

namespace quirlweg::classroom {
namespace {

using nlohmann::json;

// The server pools a journey only where its replay equals what the device walked: a device
// walking the class's setting from its seed as the page puts an experiment in place must
// report exactly the server's journeys, or an honest class is refused.
TEST(ClassReplay, WalksEachDevicesJourneysAsThePageDoes) {
  const JourneySetting settings[] = {{2, 10, 0.5, true, 0, 0},
                                     {1, 7, 0.3, false, 2, 0},
                                     {2, 6, 0.5, true, -3, 2},
                                     {3, 4, 0.5, false, 1, -1},
                                     {3, 5, 0.5, true, 0, 0}};
  for (const JourneySetting& s : settings) {
    const std::uint64_t seed = 4711;
    web::WebWalk page(1);
    page.Load();
    page.settings().SetDimension(s.dimension);
    page.walk().MoveStartToOrigin();
    page.settings().SetLatticeSize(s.radius);
    page.walk().ChangeLatticeSize();
    page.settings().SetRightPercent(static_cast<int>(s.rightProbability * 100 + 0.5));
    page.settings().SetHomeAbsorbs(s.homeAbsorbs);
    page.walk().SwitchHomeAbsorption();
    page.walk().MoveStartPointTo(s.startX, s.startY);
    page.UseSeed(seed);
    // Past the restart after 1001 journeys, as a class walks on.
    page.WalkJourneys(1100);
    std::vector<SavedJourney> walked;
    for (const JourneyRecord& j : page.displays().Series()) walked.push_back(SavedJourneyOf(j));
    EXPECT_EQ(walked, WalkedJourneys(s, seed, 1100)) << s.dimension << "D R=" << s.radius;

    // Pooled, the journeys go into the board's CSV with the ends the walk gave them.
    Classroom pool("ACDEF", s);
    pool.AddDevice("token", "", seed);
    ASSERT_FALSE(pool.Report(1, 1, 1, std::span(walked).first(100)).refusal);
    const auto records = PooledRecords(pool);
    ASSERT_EQ(records.size(), 100U);
    for (std::size_t i = 0; i < records.size(); ++i) {
      const JourneyRecord j = page.displays().Series()[i];
      EXPECT_EQ(std::tie(records[i].end, records[i].x, records[i].y, records[i].z),
                std::tie(j.end, j.x, j.y, j.z))
          << i;
    }
  }
}

// A class of two devices and the board, spoken to as the server speaks to it.
class Lesson {
 public:
  Lesson() : protocol_(Classroom("ACDEF", {2, 5, 0.5, true, 0, 0}), "board-token") {
    for (std::uint64_t c = 1; c <= 5; ++c) protocol_.Open(c);
  }

  // The first answer to connection `c`, or null; `tell` the reason or type of it.
  json Say(std::uint64_t c, const std::string& text) {
    const Handled h = protocol_.Receive(c, text, now_++);
    record_.insert(record_.end(), h.record.begin(), h.record.end());
    for (const Outgoing& out : h.sent) {
      if (out.connection == c) return json::parse(out.text);
    }
    return nullptr;
  }
  static std::string Told(const json& answer) {
    if (answer.is_null()) return "nothing";
    return answer["type"] == "refused" ? answer["reason"].get<std::string>()
                                       : answer["type"].get<std::string>();
  }
  // Joins on connection `c` with `join` and gives the first `n` journeys of the seed given.
  std::vector<SavedJourney> JoinAndWalk(std::uint64_t c, const std::string& join, int n) {
    const json welcome = Say(c, join);
    return WalkedJourneys(protocol_.classroom().Setting(), welcome["seed"].get<std::uint64_t>(), n);
  }
  std::string Journeys(int round, std::int64_t from, const std::vector<SavedJourney>& js) {
    json list = json::array();
    for (const SavedJourney& j : js) list.push_back({j.length, j.x, j.y, j.z});
    return json{{"type", "journeys"}, {"round", round}, {"from", from}, {"journeys", list}}.dump();
  }

  ClassProtocol protocol_;
  std::vector<std::string> record_;
  std::int64_t now_ = 0;
};

std::vector<SavedJourney> Slice(const std::vector<SavedJourney>& all, int from, int to) {
  return {all.begin() + (from - 1), all.begin() + to};
}

TEST(ClassProtocol, PoolsOnlyTrueJourneysAndRefusesEverythingElseWithItsReason) {
  Lesson lesson;
  const JourneySetting& setting = lesson.protocol_.classroom().Setting();
  const json a = lesson.Say(1, R"({"type":"join","code":"ACDEF","name":"Lena"})");
  const json b = lesson.Say(2, R"({"type":"join","code":" acdef "})");
  ASSERT_EQ(a["type"], "welcome");
  ASSERT_EQ(b["type"], "welcome");
  const auto mine = WalkedJourneys(setting, a["seed"].get<std::uint64_t>(), 10);
  // A journey of device 1 that device 2's seed does not walk first: short ones home are
  // common to many seeds, and device 2 would rightly have it pooled.
  const SavedJourney theirs = WalkedJourneys(setting, b["seed"].get<std::uint64_t>(), 1).front();
  const auto notTheirs =
      *std::find_if(mine.begin(), mine.end(), [&](const SavedJourney& j) { return j != theirs; });
  std::vector<SavedJourney> forged = Slice(mine, 6, 7);
  forged[1].length += 1;
  std::vector<SavedJourney> outside = Slice(mine, 1, 1);
  outside[0].x = 99;

  struct Step {
    std::uint64_t connection;
    std::string text;
    std::string told;
    std::size_t pooled;  // after it
  };
  const std::string late = lesson.Journeys(2, 1, Slice(mine, 1, 1));
  const Step steps[] = {
      {3, lesson.Journeys(1, 1, Slice(mine, 1, 2)), "notJoined", 0},
      {3, R"({"type":"join","code":"ACDEG"})", "wrongCode", 0},
      {3, R"({"type":"join","code":"ACDEF","name":"<script>"})", "badName", 0},
      {3, R"({"type":"join","code":"ACDEF","name":"Maximilian-Alexander"})", "badName", 0},
      {1, lesson.Journeys(1, 1, Slice(mine, 1, 5)), "ack", 5},
      {1, lesson.Journeys(1, 1, Slice(mine, 1, 5)), "replayed", 5},
      {1, lesson.Journeys(1, 7, Slice(mine, 7, 7)), "gap", 5},
      // The true sixth, then a changed seventh: the sixth is pooled, the seventh refused...
      {1, lesson.Journeys(1, 6, forged), "forged", 6},
      // ...and the true seventh still matches afterwards.
      {1, lesson.Journeys(1, 7, Slice(mine, 7, 8)), "ack", 8},
      // Device 1's journeys are not device 2's: each walks from a seed of its own.
      {2, lesson.Journeys(1, 1, {notTheirs}), "forged", 8},
      {1, late, "wrongRound", 8},
      {1, lesson.Journeys(1, 9, outside), "outOfRange", 8},
      {1, R"({"type":"pause","paused":true})", "notBoard", 8},
      {1, R"({"type":"end"})", "notBoard", 8},
      {4, R"({"type":"board","token":"board-tokeN"})", "notBoard", 8},
      {1, R"({"type":"board","token":"board-token"})", "notBoard", 8},
      {4, R"({"type":"board","token":"board-token"})", "board", 8},
      {4, R"({"type":"pause","paused":true})", "nothing", 8},
      {1, lesson.Journeys(1, 9, Slice(mine, 9, 9)), "paused", 8},
      {4, R"({"type":"pause","paused":false})", "nothing", 8},
      {1, std::string(5000, ' '), "tooLarge", 8},
      {1, "{\"type\":\"journeys\",", "notJson", 8},
      {1, "[]", "notAnObject", 8},
      {1, R"({"type":"journeys","round":1,"from":9})", "badField", 8},
      {1, R"({"type":"leave"})", "unknownType", 8},
      {1, lesson.Journeys(1, 9, Slice(mine, 9, 9)), "ack", 9},
      {4, R"({"type":"remove","device":1})", "nothing", 9},
      {5, json{{"type", "rejoin"}, {"code", "ACDEF"}, {"token", a["token"]}}.dump(), "removed", 9},
      {5, R"({"type":"rejoin","code":"ACDEF","token":"0123"})", "unknownDevice", 9},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(Lesson::Told(lesson.Say(s.connection, s.text)), s.told) << s.text.substr(0, 80);
    EXPECT_EQ(lesson.protocol_.classroom().Pool().size(), s.pooled) << s.text.substr(0, 80);
  }
  EXPECT_EQ(lesson.protocol_.classroom().Pool(), Slice(mine, 1, 9));
  EXPECT_FALSE(lesson.protocol_.classroom().Paused());
}

// The record is all a restarted server has: the class it gives back must pool exactly what
// was pooled, while a journey edited in the file or a line cut short by a kill takes nothing
// else with it.
TEST(ClassRecord, RestartResumesThePoolExactlyAndTakesNoEditedJourney) {
  Lesson lesson;
  lesson.record_.push_back(record::Opening(lesson.protocol_.classroom()));
  const auto first = lesson.JoinAndWalk(1, R"({"type":"join","code":"ACDEF","name":"Zoë"})", 20);
  const auto second = lesson.JoinAndWalk(2, R"({"type":"join","code":"ACDEF"})", 20);
  lesson.Say(1, lesson.Journeys(1, 1, Slice(first, 1, 10)));
  lesson.Say(2, lesson.Journeys(1, 1, Slice(second, 1, 4)));
  lesson.Say(1, lesson.Journeys(1, 11, Slice(first, 11, 20)));
  const auto text = [](const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += line;
    return all;
  };
  const std::string whole = text(lesson.record_);

  RestoredClass restored = Restore(whole);
  ASSERT_TRUE(restored.classroom);
  EXPECT_EQ(restored.skipped, 0);
  EXPECT_EQ(restored.classroom->Pool(), lesson.protocol_.classroom().Pool());
  EXPECT_EQ(restored.classroom->Code(), "ACDEF");
  ASSERT_EQ(restored.classroom->Devices().size(), 2U);
  EXPECT_EQ(restored.classroom->Devices()[0].token,
            lesson.protocol_.classroom().Devices()[0].token);
  // A first name never reaches the disk.
  EXPECT_EQ(whole.find("Zo"), std::string::npos);
  EXPECT_EQ(restored.classroom->Devices()[0].name, "");

  // The second report of device 2 with one journey's length changed.
  std::vector<std::string> edited = lesson.record_;
  for (std::string& line : edited) {
    if (line.find("\"report\":2") == std::string::npos) continue;
    json j = json::parse(line);
    j["journeys"][2][0] = j["journeys"][2][0].get<int>() + 2;
    line = j.dump() + '\n';
  }
  restored = Restore(text(edited));
  EXPECT_EQ(restored.refusedReports, 1);
  EXPECT_EQ(restored.classroom->Devices()[1].journeys, 2);
  EXPECT_EQ(restored.classroom->Devices()[0].journeys, 20);

  const std::string cut = whole.substr(0, whole.size() - 7);
  restored = Restore(cut);
  EXPECT_EQ(restored.skipped, 1);
  EXPECT_EQ(restored.classroom->Pool().size(), 14U);

  EXPECT_FALSE(Restore("{\"class\":\"ACDEF\"}\n").classroom);
}

// One address cannot fill the class with devices: past a class's worth it is refused, while
// other addresses, and the teacher's own machine, still join.
TEST(ClassProtocol, RefusesOneAddressJoiningMoreDevicesThanAClassHas) {
  ClassProtocol protocol(Classroom("ACDEF", {2, 5, 0.5, true, 0, 0}), "board-token");
  std::uint64_t connection = 0;
  const auto join = [&](const std::string& address) {
    protocol.Open(++connection, address);
    const Handled h = protocol.Receive(connection, R"({"type":"join","code":"ACDEF"})", 0);
    const json answer = json::parse(h.sent.at(0).text);
    return answer["type"] == "refused" ? answer["reason"].get<std::string>()
                                       : answer["type"].get<std::string>();
  };
  for (int i = 0; i < kMostJoinsPerAddress; ++i) ASSERT_EQ(join("192.168.1.7"), "welcome") << i;
  EXPECT_EQ(join("192.168.1.7"), "addressFull");
  EXPECT_EQ(join("192.168.1.8"), "welcome");
  EXPECT_EQ(join(""), "welcome");
  EXPECT_EQ(protocol.classroom().Devices().size(),
            static_cast<std::size_t>(kMostJoinsPerAddress) + 2);
}

// A class's pool saved as an experiment file keeps only seeds and counts: reading it back
// must walk the same journeys in the order they were pooled, and a file whose counts do not
// add up is refused rather than walked to a pool no class had.
TEST(ClassPoolFile, WalksThePoolAgainInItsOrderAndRefusesCountsThatDisagree) {
  Lesson lesson;
  const auto first = lesson.JoinAndWalk(1, R"({"type":"join","code":"ACDEF"})", 30);
  const auto second = lesson.JoinAndWalk(2, R"({"type":"join","code":"ACDEF"})", 30);
  lesson.Say(1, lesson.Journeys(1, 1, Slice(first, 1, 20)));
  lesson.Say(2, lesson.Journeys(1, 1, Slice(second, 1, 20)));
  lesson.Say(1, lesson.Journeys(1, 21, Slice(first, 21, 30)));
  lesson.Say(2, lesson.Journeys(1, 21, Slice(second, 21, 25)));
  const Classroom& pooled = lesson.protocol_.classroom();
  ASSERT_EQ(pooled.Pool().size(), 55U);

  Experiment saved;
  saved.setting = pooled.Setting();
  saved.classPool = pooled.PoolToSave();
  const std::string text = ExperimentJson(saved);
  const ExperimentParse read = ParseExperiment(text);
  ASSERT_TRUE(read.experiment && read.experiment->classPool);
  const auto again = ClassOfPool(read.experiment->setting, *read.experiment->classPool);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Pool(), pooled.Pool());
  EXPECT_EQ(again->Devices()[1].journeys, 25);

  const struct {
    const char* edit;
    json value;
    ExperimentProblem problem;
  } edits[] = {
      {"/class/order/0/1", 21, ExperimentProblem::PoolOrderUneven},
      {"/class/order/3", json::array({2, 4}), ExperimentProblem::PoolOrderUneven},
      {"/class/order/1/0", 3, ExperimentProblem::OutOfRange},
      {"/class/devices/1/0", pooled.Devices()[0].seed, ExperimentProblem::SeedTwice},
      {"/class/devices/0", json::array({1, 2, 3}), ExperimentProblem::NotAPair},
  };
  for (const auto& e : edits) {
    json edited = json::parse(text);
    edited[json::json_pointer(e.edit)] = e.value;
    const ExperimentParse refused = ParseExperiment(edited.dump());
    EXPECT_FALSE(refused.experiment) << e.edit;
    EXPECT_EQ(refused.refusal.problem, e.problem) << e.edit;
  }
}

TEST(ClassCode, TakesFirstNamesOfLettersOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Lena", "Lena"},
      {"  Jean-Luc ", "Jean-Luc"},
      {"Zoë", "Zoë"},
      {"Ömer Can", "Ömer Can"},
      {"Sechzehnbuchstab", "Sechzehnbuchstab"},
      {"Siebzehnbuchstabe", nullptr},
      {"", nullptr},
      {"-Ali", nullptr},
      {"Ali--Can", nullptr},
      {"Ali\n", nullptr},
      {"Ali<b>", nullptr},
      {"R2D2", nullptr},
      {"\xC1\x81", nullptr},          // an overlong "A"
      {"\xC3", nullptr},              // cut short
      {"\xF0\x9F\x98\x80", nullptr},  // no letter
      {"Ali\xC3\x97", nullptr},       // the multiplication sign among the accented letters
  };
  for (const auto& [typed, taken] : cases) {
    const auto name = CheckedName(typed);
    EXPECT_EQ(name.has_value(), taken != nullptr) << typed;
    if (name && taken) {
      EXPECT_EQ(*name, taken);
    }
  }
}

}  // namespace
}  // namespace quirlweg::classroom
