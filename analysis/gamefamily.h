#pragma once
// The three game families, each served by a board window of its own.

enum class BoardFamily { Digit, Lotto, TwoPool };
