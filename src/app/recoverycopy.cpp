#include "app/recoverycopy.h"

#include "document/drawing.h"

#include <QFile>
#include <QThreadPool>

namespace qel {

namespace {

// One writer for every window: copies and removals land in the order they were asked for.
QThreadPool& writer() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(1);
        return p;
    }();
    return *pool;
}

constexpr int kDelayMs = 1000;

} // namespace

RecoveryCopy::RecoveryCopy(Drawing& drawing, QString path, std::function<RecoveryData()> snapshot,
                           QObject* parent)
    : QObject(parent), drawing_(drawing), path_(std::move(path)), snapshot_(std::move(snapshot)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryCopy::writeNow);
    connect(&drawing_, &Drawing::changed, this, &RecoveryCopy::changed);
    connect(&drawing_, &Drawing::modifiedChanged, this, &RecoveryCopy::changed);
    changed(); // a recovered drawing is modified from the start
}

RecoveryCopy::~RecoveryCopy() {
    timer_.stop();
    remove();
}

void RecoveryCopy::changed() {
    if (!drawing_.isModified()) {
        timer_.stop();
        remove();
        return;
    }
    if (!timer_.isActive()) timer_.start(); // at most about one copy a second
}

void RecoveryCopy::flush() {
    if (timer_.isActive()) {
        timer_.stop();
        writeNow();
    }
    waitForWrites();
}

void RecoveryCopy::writeNow() {
    if (!drawing_.isModified()) return;
    writer().start([path = path_, data = snapshot_()] { RecoveryStore::write(path, data); });
}

void RecoveryCopy::remove() {
    writer().start([path = path_] { QFile::remove(path); });
}

void RecoveryCopy::waitForWrites() {
    writer().waitForDone();
}

} // namespace qel
