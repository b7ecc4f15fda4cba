// A straightforward LZH stream decoder: the algorithm written out plainly, one bit at a time
// from a 16-bit bit buffer, with a callback for every input byte and every output byte. It is
// the baseline the fast decoder is measured against, and a second, independent implementation
// that tests compare the fast decoder and the encoder with. It shares no code with either.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace reference {

class TPlainLzhDecoder {
public:
    // Returns the number of bytes delivered into `byte` (0 or 1).
    using TReadByte = std::function<int(std::uint8_t& byte)>;
    using TWriteByte = std::function<void(std::uint8_t byte)>;

    // `unsetWindowByte` fills the window bytes that the format leaves undefined (after the 4036
    // initial spaces), so tests can check that an encoder never copies from them.
    explicit TPlainLzhDecoder(std::uint8_t unsetWindowByte = 0) : unsetWindowByte_(unsetWindowByte) {}

    // Decodes symbols until at least `length` bytes were written; a final match is written whole.
    void Decompress(std::int32_t length, const TReadByte& read, const TWriteByte& write) {
        read_ = &read;
        bitBuffer_ = 0;
        bitCount_ = 0;
        StartModel();
        for (int i = 0; i < kN; ++i) window_[i] = i < kN - kF ? 0x20 : unsetWindowByte_;
        int r = kN - kF;
        std::int32_t count = 0;
        while (count < length) {
            int c = DecodeChar();
            if (c < 256) {
                write(static_cast<std::uint8_t>(c));
                window_[r] = static_cast<std::uint8_t>(c);
                r = (r + 1) & (kN - 1);
                ++count;
            } else {
                const int start = (r - DecodePosition() - 1) & (kN - 1);
                const int matchLength = c - 255 + kThreshold;
                for (int k = 0; k < matchLength; ++k) {
                    const std::uint8_t byte = window_[(start + k) & (kN - 1)];
                    write(byte);
                    window_[r] = byte;
                    r = (r + 1) & (kN - 1);
                    ++count;
                }
            }
        }
    }

private:
    static constexpr int kN = 4096;
    static constexpr int kF = 60;
    static constexpr int kThreshold = 2;
    static constexpr int kChars = 256 - kThreshold + kF;
    static constexpr int kT = kChars * 2 - 1;
    static constexpr int kR = kT - 1;
    static constexpr unsigned kMaxFreq = 0x8000;

    int GetBit() {
        while (bitCount_ <= 8) {
            std::uint8_t byte = 0;
            if ((*read_)(byte) != 1) byte = 0;
            bitBuffer_ = static_cast<std::uint16_t>(bitBuffer_ | (byte << (8 - bitCount_)));
            bitCount_ += 8;
        }
        const int bit = bitBuffer_ >> 15;
        bitBuffer_ = static_cast<std::uint16_t>(bitBuffer_ << 1);
        --bitCount_;
        return bit;
    }

    int GetByte() {
        while (bitCount_ <= 8) {
            std::uint8_t byte = 0;
            if ((*read_)(byte) != 1) byte = 0;
            bitBuffer_ = static_cast<std::uint16_t>(bitBuffer_ | (byte << (8 - bitCount_)));
            bitCount_ += 8;
        }
        const int value = bitBuffer_ >> 8;
        bitBuffer_ = static_cast<std::uint16_t>(bitBuffer_ << 8);
        bitCount_ -= 8;
        return value;
    }

    void StartModel() {
        for (int i = 0; i < kChars; ++i) {
            freq_[i] = 1;
            son_[i] = i + kT;
            parent_[i + kT] = i;
        }
        int i = 0;
        for (int j = kChars; j <= kR; ++j) {
            freq_[j] = freq_[i] + freq_[i + 1];
            son_[j] = i;
            parent_[i] = parent_[i + 1] = j;
            i += 2;
        }
        freq_[kT] = 0xFFFF;
        parent_[kR] = 0;
    }

    void Reconstruct() {
        int j = 0;
        for (int i = 0; i < kT; ++i) {
            if (son_[i] >= kT) {
                freq_[j] = (freq_[i] + 1) / 2;
                son_[j] = son_[i];
                ++j;
            }
        }
        for (int i = 0, node = kChars; node < kT; i += 2, ++node) {
            const unsigned f = freq_[i] + freq_[i + 1];
            int k = node - 1;
            while (f < freq_[k]) --k;
            ++k;
            for (int m = node; m > k; --m) {
                freq_[m] = freq_[m - 1];
                son_[m] = son_[m - 1];
            }
            freq_[k] = f;
            son_[k] = i;
        }
        for (int i = 0; i < kT; ++i) {
            const int k = son_[i];
            parent_[k] = i;
            if (k < kT) parent_[k + 1] = i;
        }
    }

    void Update(int c) {
        if (freq_[kR] == kMaxFreq) Reconstruct();
        c = parent_[c + kT];
        do {
            const unsigned k = ++freq_[c];
            int l = c + 1;
            if (k > freq_[l]) {
                while (k > freq_[++l]) {
                }
                --l;
                freq_[c] = freq_[l];
                freq_[l] = k;
                const int i = son_[c];
                parent_[i] = l;
                if (i < kT) parent_[i + 1] = l;
                const int j = son_[l];
                son_[l] = i;
                parent_[j] = c;
                if (j < kT) parent_[j + 1] = c;
                son_[c] = j;
                c = l;
            }
            c = parent_[c];
        } while (c != 0);
    }

    int DecodeChar() {
        int c = son_[kR];
        while (c < kT) c = son_[c + GetBit()];
        c -= kT;
        Update(c);
        return c;
    }

    // Upper 6 bits from a prefix code whose length depends on the first byte read.
    int DecodePosition() {
        int i = GetByte();
        int high;
        int codeLength;
        if (i < 0x20) {
            high = 0, codeLength = 3;
        } else if (i < 0x50) {
            high = 1 + (i - 0x20) / 16, codeLength = 4;
        } else if (i < 0x90) {
            high = 4 + (i - 0x50) / 8, codeLength = 5;
        } else if (i < 0xC0) {
            high = 12 + (i - 0x90) / 4, codeLength = 6;
        } else if (i < 0xF0) {
            high = 24 + (i - 0xC0) / 2, codeLength = 7;
        } else {
            high = 48 + (i - 0xF0), codeLength = 8;
        }
        for (int j = codeLength - 2; j > 0; --j) i = ((i << 1) + GetBit()) & 0xFFFF;
        return (high << 6) | (i & 0x3F);
    }

    std::uint8_t unsetWindowByte_;
    const TReadByte* read_ = nullptr;
    std::uint16_t bitBuffer_ = 0;
    int bitCount_ = 0;
    unsigned freq_[kT + 1] = {};
    int parent_[kT + kChars] = {};
    int son_[kT] = {};
    std::uint8_t window_[kN + kF - 1] = {};
};

// Decodes a whole stream (4-byte little-endian length, then bits) with per-byte callbacks,
// keeping every byte written (a final match may add up to 59 bytes beyond the length).
inline std::vector<std::uint8_t> PlainDecompressStream(std::span<const std::uint8_t> stream,
                                                       std::uint8_t unsetWindowByte = 0) {
    std::int32_t length = 0;
    if (stream.size() >= 4) {
        length = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(stream[0]) | (static_cast<std::uint32_t>(stream[1]) << 8) |
            (static_cast<std::uint32_t>(stream[2]) << 16) | (static_cast<std::uint32_t>(stream[3]) << 24));
    }
    std::size_t position = 4;
    std::vector<std::uint8_t> output;
    if (length > 0) output.reserve(std::min<std::size_t>(static_cast<std::size_t>(length), std::size_t{1} << 24));
    TPlainLzhDecoder decoder(unsetWindowByte);
    decoder.Decompress(
        length,
        [&](std::uint8_t& byte) {
            if (position >= stream.size()) return 0;
            byte = stream[position++];
            return 1;
        },
        [&](std::uint8_t byte) { output.push_back(byte); });
    return output;
}

}  // namespace reference
