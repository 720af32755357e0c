#pragma once

#include <QByteArrayView>

#include <cstring>
#include <memory>

namespace cli {

// A command's output on its way out, gathered into blocks of a fixed size that go to the sink one
// by one: output of any length needs only one block of memory. Short pieces are copied inline, so
// that writers of many small fields pay no call per field.
class Ausgabe {
public:
    static constexpr qsizetype Standardblock = qsizetype(1) << 16;
    // Pieces shorter than this are copied at once; platz() grants this much room.
    static constexpr qsizetype Platz = 1024;

    explicit Ausgabe(qsizetype block = Standardblock);
    virtual ~Ausgabe() = default;
    Ausgabe(const Ausgabe&) = delete;
    Ausgabe& operator=(const Ausgabe&) = delete;

    void schreiben(char c) {
        *ende_++ = c;
        pruefen();
    }
    void schreiben(QByteArrayView bytes) {
        if (bytes.isEmpty()) // an empty view may have no data at all
            return;
        if (bytes.size() >= Platz)
            return stueckweise(bytes.data(), bytes.size(), nullptr);
        std::memcpy(ende_, bytes.data(), std::size_t(bytes.size()));
        ende_ += bytes.size();
        pruefen();
    }
    void fuellen(qsizetype n, char c = ' ') {
        if (n >= Platz)
            return stueckweise(nullptr, n, &c);
        std::memset(ende_, c, std::size_t(n));
        ende_ += n;
        pruefen();
    }
    // Room for Platz bytes, to be filled directly; bis() tells where the writer stopped.
    char* platz() { return ende_; }
    void bis(char* ende) {
        ende_ = ende;
        pruefen();
    }
    // What is still in the block goes to the sink.
    void abschliessen();

protected:
    virtual void abgeben(QByteArrayView block) = 0;

private:
    void pruefen() {
        if (ende_ >= grenze_)
            weitergeben();
    }
    // Copies n bytes from quelle, or n times *zeichen, block by block.
    void stueckweise(const char* quelle, qsizetype n, const char* zeichen);
    void weitergeben();

    std::unique_ptr<char[]> puffer_; // written before it is read: not filled
    char* ende_;                     // the end of what the block holds
    char* grenze_;                   // a block this full goes to the sink
};

} // namespace cli
