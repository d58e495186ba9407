#pragma once

#include "image/radio_image.h"
#include "sim/radio_options.h"
#include "sim/simulated_radio.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The simulated radio for the page: it takes the bytes the program sends and
// hands back its answers at once. How long they take on the line is the
// port's business (the page's simulated port models 9600 baud).
class WebRadio {
public:
    WebRadio(const RadioImage& memory, RadioOptions options) : m_radio(memory, options) {}

    [[nodiscard]] std::vector<std::uint8_t> Receive(std::span<const std::uint8_t> bytes);
    const RadioImage& memory() const { return m_radio.memory(); }

private:
    SimulatedRadio m_radio;
};

// A radio of the model named as the Model box names it ("HM-615V", "HM-615U"):
// it reports the model's band, and its memory is image when that is one image
// long, else the demonstration channels (VHF) or a new radio's memory (UHF).
// fault is a name as `hmprog-cli sim --fault` takes it; an unknown model or
// fault gives a plain VHF radio.
[[nodiscard]] WebRadio* MakeWebRadio(const std::string& model, const std::string& fault, int faultBlock,
                                     const std::vector<std::uint8_t>& image);
