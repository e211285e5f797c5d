#include "storage/filedigest.h"

#include <QCryptographicHash>
#include <QFile>

#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define PLUMBLINE_SHA_NI 1
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace storage {

namespace {

constexpr qint64 ChunkSize = 1 << 20;

#ifdef PLUMBLINE_SHA_NI

alignas(16) const uint32_t RoundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

bool hasShaInstructions()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_SSSE3) || !(c & bit_SSE4_1))
        return false;
    return __get_cpuid_count(7, 0, &a, &b, &c, &d) && (b & bit_SHA);
}

// The compression of whole 64-byte blocks with the SHA extensions. The state is kept as
// the instructions want it, in the halves ABEF and CDGH.
__attribute__((target("sha,sse4.1,ssse3"))) void compressBlocks(uint32_t state[8], const unsigned char *data,
                                                                size_t blocks)
{
    const __m128i byteOrder = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    __m128i cdab = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i *>(&state[0])), 0xB1);
    __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i *>(&state[4])), 0x1B);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);

    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abefBefore = abef;
        const __m128i cdghBefore = cdgh;
        __m128i w[4];
        // Unrolled, so the schedule stays in registers.
#pragma GCC unroll 16
        for (int i = 0; i < 16; ++i) {
            if (i < 4)
                w[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + 16 * i)), byteOrder);
            __m128i message =
                _mm_add_epi32(w[i % 4], _mm_load_si128(reinterpret_cast<const __m128i *>(&RoundConstants[4 * i])));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            // The schedule's next four words, from the four before.
            if (i >= 3 && i <= 14) {
                __m128i &next = w[(i + 1) % 4];
                next = _mm_add_epi32(next, _mm_alignr_epi8(w[i % 4], w[(i + 3) % 4], 4));
                next = _mm_sha256msg2_epu32(next, w[i % 4]);
            }
            message = _mm_shuffle_epi32(message, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
            if (i >= 1 && i <= 12)
                w[(i + 3) % 4] = _mm_sha256msg1_epu32(w[(i + 3) % 4], w[i % 4]);
        }
        abef = _mm_add_epi32(abef, abefBefore);
        cdgh = _mm_add_epi32(cdgh, cdghBefore);
    }

    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(&state[0]), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(&state[4]), _mm_alignr_epi8(dchg, feba, 8));
}

bool digestWithShaInstructions(QFile &file, FileDigest &out)
{
    uint32_t state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                         0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::vector<unsigned char> buffer(size_t(ChunkSize) + 128);
    size_t held = 0; // bytes of an unfinished block at the buffer's start
    unsigned long long total = 0;
    for (;;) {
        const qint64 got = file.read(reinterpret_cast<char *>(buffer.data() + held), ChunkSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        total += unsigned(got);
        held += size_t(got);
        const size_t whole = held / 64;
        compressBlocks(state, buffer.data(), whole);
        std::memmove(buffer.data(), buffer.data() + whole * 64, held - whole * 64);
        held -= whole * 64;
    }
    // The end: 0x80, zeros, then the length in bits, big-endian, ending a block.
    buffer[held++] = 0x80;
    const size_t padded = held <= 56 ? 64 : 128;
    std::memset(buffer.data() + held, 0, padded - held);
    const unsigned long long bits = total * 8;
    for (int i = 0; i < 8; ++i)
        buffer[padded - 1 - size_t(i)] = static_cast<unsigned char>(bits >> (8 * i));
    compressBlocks(state, buffer.data(), padded / 64);

    out.sha256.resize(32);
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 4; ++j)
            out.sha256[4 * i + j] = char(static_cast<unsigned char>(state[i] >> (24 - 8 * j)));
    }
    out.size = static_cast<long long>(total);
    return true;
}

#endif

bool digestPortably(QFile &file, FileDigest &out)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray buffer(ChunkSize, Qt::Uninitialized);
    long long total = 0;
    for (;;) {
        const qint64 got = file.read(buffer.data(), ChunkSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        hash.addData(QByteArrayView(buffer.constData(), got));
        total += got;
    }
    out.sha256 = hash.result();
    out.size = total;
    return true;
}

} // namespace

bool digestOf(QFile &file, FileDigest &out, DigestWay way)
{
    if (!file.seek(0))
        return false;
    bool ok = false;
#ifdef PLUMBLINE_SHA_NI
    static const bool accelerated = hasShaInstructions();
    if (way == DigestWay::Fastest && accelerated)
        ok = digestWithShaInstructions(file, out);
    else
#endif
        ok = digestPortably(file, out);
    Q_UNUSED(way);
    return ok && file.error() == QFileDevice::NoError;
}

} // namespace storage
