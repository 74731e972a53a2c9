// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>

#include <array>
#include <memory>
#include <unordered_map>

namespace rumbario {

/** A square of the plan on one level, or a chunk of squares: a key of the plan's tables. */
struct PlanSquare
{
    int level;
    int x;
    int y;
    bool operator==(const PlanSquare &other) const
    {
        return level == other.level && x == other.x && y == other.y;
    }
    friend size_t qHash(const PlanSquare &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.level, key.x, key.y);
    }
};

/**
 * A value for every square of a plan's levels, as a table keyed by square would hold it, but kept
 * in blocks of 8 by 8 squares: laying out a map looks up the squares along its lines by the
 * hundred thousand, nearly all of them in the block of the square looked at before, which is
 * found without hashing. Larger blocks find no more, and cost memory on a map whose rooms stand
 * each on a level of its own. A square never set holds a default value.
 */
template<typename Value>
class SquareGrid
{
public:
    /** The square's value; the default one where it was never set. */
    const Value &value(const PlanSquare &square) const
    {
        static const Value none{};
        const Block *block = blockOf(square);
        return block ? (*block)[size_t(indexIn(square))] : none;
    }

    /** The square's value, to change. */
    Value &operator[](const PlanSquare &square)
    {
        const PlanSquare key = blockKey(square);
        if (!(mLast.block && mLast.key == key)) {
            std::unique_ptr<Block> &block = mBlocks[key];
            if (!block)
                block = std::make_unique<Block>();
            mLast = {key, block.get()};
        }
        return (*mLast.block)[size_t(indexIn(square))];
    }

    void clear()
    {
        mBlocks.clear();
        mLast = {};
    }

private:
    static constexpr int side = 8;
    using Block = std::array<Value, side * side>;

    static int blockCoordinate(int coordinate)
    {
        return coordinate >= 0 ? coordinate / side : (coordinate + 1) / side - 1;
    }
    static PlanSquare blockKey(const PlanSquare &square)
    {
        return {square.level, blockCoordinate(square.x), blockCoordinate(square.y)};
    }
    static int indexIn(const PlanSquare &square)
    {
        return (square.x - blockCoordinate(square.x) * side) * side +
               (square.y - blockCoordinate(square.y) * side);
    }

    const Block *blockOf(const PlanSquare &square) const
    {
        const PlanSquare key = blockKey(square);
        if (mLast.block && mLast.key == key)
            return mLast.block;
        const auto found = mBlocks.find(key);
        if (found == mBlocks.end())
            return nullptr;
        mLast = {key, found->second.get()};
        return mLast.block;
    }

    struct LastBlock
    {
        PlanSquare key{};
        Block *block = nullptr;
    };

    struct BlockHash
    {
        size_t operator()(const PlanSquare &key) const { return qHash(key); }
    };

    std::unordered_map<PlanSquare, std::unique_ptr<Block>, BlockHash> mBlocks;
    /** The block used last: the next square looked up is nearly always in it. */
    mutable LastBlock mLast;
};

} // namespace rumbario
