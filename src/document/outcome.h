#pragma once

#include <QString>
#include <utility>

namespace qel {

// What an operation that can fail answers: done, or the French message the user reads (for a
// file, it names the file and the reason). Loaders that produce something carry one of these
// beside what they produced.
class Outcome {
public:
    static Outcome done() { return {}; }
    static Outcome failed(QString message) {
        Outcome o;
        o.failed_ = true;
        o.message_ = std::move(message);
        return o;
    }

    bool ok() const { return !failed_; }
    const QString& message() const { return message_; }

private:
    bool failed_ = false;
    QString message_;
};

} // namespace qel
