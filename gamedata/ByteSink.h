#pragma once

#include "GameError.h"

#include <cstddef>

// Where the writer streams a game file: a safe file replacement in the
// editor, a memory buffer in tests.
class ByteSink
{
public:
    virtual ~ByteSink() = default;
    virtual GameStatus Write(const void* data, std::size_t size) = 0;
};
