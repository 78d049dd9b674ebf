#include "series/journey_announcer.h"

namespace quirlweg {

std::optional<Announcement> JourneyAnnouncer::Next(const JourneySeries& series,
                                                   std::chrono::milliseconds now) {
  if (series.size() < told_) told_ = 0;
  if (series.size() == told_ || (spoke_ && now - *spoke_ < kAnnouncementGap)) return std::nullopt;
  Announcement said;
  said.first = told_ + 1;
  said.last = series.size();
  said.journey = series[series.size() - 1];
  for (std::size_t i = told_; i < series.size(); ++i) {
    ++(series.EndAt(i) == JourneyEnd::Home ? said.home : said.boundary);
  }
  told_ = series.size();
  spoke_ = now;
  return said;
}

}  // namespace quirlweg
