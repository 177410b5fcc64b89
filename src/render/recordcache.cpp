#include "render/recordcache.h"

#include "document/recordkind.h"
#include "render/bandworkers.h"
#include "render/pageindex.h"
#include "render/picturecache.h"
#include "render/recordreach.h"

#include <algorithm>

namespace qel {

std::optional<QRect> pointBounds(const PointBuffer& points) {
    if (points.count() == 0) return std::nullopt;
    int x0 = points.points[0].x(), x1 = x0, y0 = points.points[0].y(), y1 = y0;
    for (int i = 1; i < points.count(); ++i) {
        x0 = std::min(x0, points.points[i].x()), x1 = std::max(x1, points.points[i].x());
        y0 = std::min(y0, points.points[i].y()), y1 = std::max(y1, points.points[i].y());
    }
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

ParsedRecord parseRecord(QStringView body, bool kept) {
    ParsedRecord r;
    if (isBlankBody(body)) {
        r.blank = true;
        return r;
    }
    r.view = splitBody(body);
    if (r.view.hasTab) {
        r.arrow = arrowCode(r.view.arrow);
        if (kept && styleStandsAlone(r.view.style)) {
            r.style.emplace();
            applyStyleField(r.view.style, *r.style);
        }
    }
    if (r.view.keyword.isEmpty()) return r;
    r.kind = recordKind(r.view.keyword);
    if (!r.kind || r.kind->shape == Shape::Background) return r;
    r.box = decodeBox(r.view.data);
    if (r.box && kept && r.kind->payload == Payload::Points) {
        PointBuffer points;
        SetArray(r.view.payload(), points);
        r.points = pointBounds(points);
        r.pointsRead = true;
    }
    if (r.box && kept && r.kind->payload == Payload::Pixels)
        r.pictureKey = PictureCache::key(r.view.payload());
    return r;
}

RecordCache::RecordCache() = default;
RecordCache::~RecordCache() = default;

RecordCache::Reading RecordCache::read(const QStringList& lines, qsizetype from, int jobs) {
    std::unique_lock guard(lock_);
    from = std::max<qsizetype>(from, 0);
    if (from == from_ && lines.isSharedWith(lines_))
        return {std::move(guard), records_, index_, changed_};
    const qsizetype n = std::max<qsizetype>(lines.size() - from, 0);
    // Lines no longer in the drawing go once they outnumber the drawing's: those of the last
    // reading stay. They are marked only then, not at every reading: a mark is a visit to memory
    // far apart for every line.
    if (entries_.size() > std::size_t(2 * n + 1024)) {
        ++reading_;
        for (Entry* e : last_)
            e->reading = reading_;
        std::erase_if(entries_, [&](const auto& e) { return e.second.reading != reading_; });
    }

    std::vector<Entry*> known(std::size_t(n), nullptr);
    // A line of the last reading whose characters lie where they did is the same line.
    if (from == from_ && lines.size() == lines_.size())
        for (qsizetype i = 0; i < n; ++i) {
            const QString &now = lines[from + i], &was = lines_[from + i];
            if (now.constData() == was.constData() && now.size() == was.size())
                known[std::size_t(i)] = last_[std::size_t(i)];
        }
    // A drawing read before has few new lines: looking them up costs less than a thread.
    jobs = entries_.size() >= std::size_t(n) ? 1 : std::clamp(int(n / 2000), 1, std::max(jobs, 1));
    std::vector<std::vector<std::pair<qsizetype, ParsedRecord>>> fresh(
        static_cast<std::size_t>(jobs));
    auto readPart = [&](int job) {
        const qsizetype begin = n * job / jobs, end = n * (job + 1) / jobs;
        for (qsizetype i = begin; i < end; ++i) {
            if (known[std::size_t(i)]) continue;
            const QString& line = lines[from + i];
            const auto found = entries_.find({line.constData(), line.size()});
            if (found != entries_.end())
                known[std::size_t(i)] = &found->second;
            else
                fresh[std::size_t(job)].emplace_back(i, parseRecord(recordBody(line)));
        }
    };
    if (jobs > 1)
        BandWorkers::shared().run(jobs, readPart);
    else
        readPart(0);

    for (auto& part : fresh)
        for (auto& [i, record] : part) {
            const QString& line = lines[from + i];
            Entry& entry = entries_[{line.constData(), line.size()}];
            // The views point into the line's characters, which the kept copy shares.
            entry.line = line;
            entry.record = std::move(record);
            known[std::size_t(i)] = &entry;
        }
    // An index follows a few changed records in as many lines; other changes drop it.
    constexpr std::size_t kFollowed = 64;
    const bool follow = index_ && from == from_ && std::size_t(n) == records_.size();
    if (!follow) index_.reset();
    records_.resize(std::size_t(n));
    for (qsizetype i = 0; i < n; ++i) {
        const ParsedRecord* record = &known[std::size_t(i)]->record;
        if (follow && records_[std::size_t(i)] != record) changed_.push_back(int(i));
        records_[std::size_t(i)] = record;
    }
    if (changed_.size() > kFollowed) index_.reset();
    if (!index_) changed_.clear();
    lines_ = lines;
    from_ = from;
    last_ = std::move(known);
    return {std::move(guard), records_, index_, changed_};
}

} // namespace qel
