#pragma once

#include <QStringList>

class SerialLink;

// Reads the names of the images stored in the handheld, one exchange per
// call, so that a window can stay responsive between the packets: the first
// call asks for the list ('T'), every later one receives one packet.
class HandheldLister {
public:
    enum class Step {
        Receiving,     // the list is on its way: call again
        Name,          // names().back() arrived
        Ended,         // the list is complete
        Empty,         // the handheld refused the request: nothing is stored
        RequestFailed, // no acknowledgement of the request
        ReceiveFailed, // a packet of the list did not arrive intact
    };
    // A handheld that never ends its list is given up after this many packets.
    static constexpr int MaxPackets = 1000;

    explicit HandheldLister(SerialLink& link) : link_(link) {}

    // Forgets the names; the next call asks again.
    void restart();
    Step next();
    const QStringList& names() const { return names_; }

private:
    Step request();
    Step receive();

    SerialLink& link_;
    QStringList names_;
    bool requested_ = false;
    int packets_ = 0;
};
