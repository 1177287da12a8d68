// The protocol's pacing floor, as bench/transfer_bench.cpp counts it: every
// pause the protocol mandates and every byte's time at 9600 baud, with the
// radio answering at once.  The browser's benchmarks give their times as
// ratios to it.
'use strict';

const byteMs = 10 * 1000 / 9600;
const handshakeMs = (12 + 16 + 1 + 1 + 620) + (8 + 1 + 1 + 8 + 1 + 1) * byteMs;
const floors = {read: handshakeMs + 128 * (35 + (4 + 12 + 1 + 1) * byteMs),
                write: handshakeMs + 123 * (3 + (4 + 8 + 1) * byteMs)};

module.exports = {floors};
