#pragma once

#include <QFile>

#include <functional>

namespace core {

// A file whose reads fail once stopp says so: a reader in the middle of a long file gives up at
// its next read with an error, instead of reading to the end for a result nobody waits for.
class StoppbareDatei : public QFile {
public:
    explicit StoppbareDatei(std::function<bool()> stopp) : stopp_(std::move(stopp)) {}

protected:
    qint64 readData(char* daten, qint64 anzahl) override;

private:
    std::function<bool()> stopp_;
};

} // namespace core
