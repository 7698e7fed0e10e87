#pragma once

// Random numbers for new entry names. Tests pass a fixed sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number in [0, bound).
    virtual int below(int bound) = 0;

    static RandomSource& standard();
};
