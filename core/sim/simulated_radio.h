#pragma once

#include "image/radio_image.h"
#include "sim/radio_options.h"
#include "sim/sim_clock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// One byte the radio puts on the line, and the earliest moment it may start.
struct RadioReply {
    std::uint8_t byte = 0;
    SimTime notBefore{0};
};

// A radio that answers the programming exchange from its own 1024-byte memory.
// It is fed the program's bytes one at a time, each with the moment it has
// fully arrived, and answers no sooner than that. It finds its frames byte by
// byte, so a stray byte does not misalign what follows, and it hears the
// wake-up sequence in every phase, so a program that starts over is answered.
class SimulatedRadio {
public:
    explicit SimulatedRadio(const RadioImage& memory, RadioOptions options = {});

    void Receive(std::uint8_t byte, SimTime arrival);
    // The answers since the last call, in the order they go out.
    std::vector<RadioReply> TakeReplies();

    const RadioImage& memory() const { return m_memory; }
    const RadioOptions& options() const { return m_options; }

private:
    enum class State { Asleep, AwaitMode, AwaitStx, AwaitIdentificationAck, Ready, AwaitBlockAck };

    bool heardWakeUp(std::uint8_t byte);
    bool collectingPayload() const;
    static bool inMemory(std::size_t address);
    void scanFrames(SimTime at);
    void answerWakeUp(SimTime at);
    void sendIdentification(SimTime at);
    void answerIdentificationAck(SimTime at);
    void answerBlockAck(SimTime at);
    void answerRead(std::size_t address, SimTime at);
    void answerWrite(std::size_t address, SimTime at);
    void reply(std::uint8_t byte, SimTime at);
    bool faultAt(RadioFault fault, std::size_t address) const;

    RadioImage m_memory;
    RadioOptions m_options;
    State m_state = State::Asleep;
    std::array<std::uint8_t, 7> m_recent{};
    std::size_t m_recentCount = 0;
    std::vector<std::uint8_t> m_frame;
    std::size_t m_lastReadAddress = 0;
    std::size_t m_faultBlockReads = 0;
    std::vector<RadioReply> m_replies;
};
