// The key of the publisher whose signature the installer asks of its media (a CryptoAPI
// PUBLICKEYBLOB), fixed when the program is built (VORT_PUBLISHER_CERT); empty for a build
// without one.
#pragma once

#include <cstdint>
#include <span>

std::span<const uint8_t> PublisherKey();
