#include "host/sound/sample_audio.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace sound_test {
namespace {

constexpr int sampleRate = 22050;

float tone(long i) {
    return 0.3f * static_cast<float>(std::sin(2.0 * std::numbers::pi * 440.0 * i / sampleRate));
}

void append(std::vector<std::uint8_t>& out, const unsigned char* data, long size) {
    out.insert(out.end(), data, data + size);
}

void appendLE(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> makeOgg(double seconds) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, sampleRate, 0.1f) != 0) throw std::runtime_error("vorbis encoder");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::vector<std::uint8_t> out;
    ogg_page page;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page) != 0) {
        append(out, page.header, page.header_len);
        append(out, page.body, page.body_len);
    }

    const auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    append(out, page.header, page.header_len);
                    append(out, page.body, page.body_len);
                }
            }
        }
    };
    const long total = std::lround(seconds * sampleRate);
    constexpr long chunk = 1024;
    for (long done = 0; done < total; done += chunk) {
        const long count = std::min(chunk, total - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (long i = 0; i < count; ++i)
            buffer[0][i] = tone(done + i);
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) {
        append(out, page.header, page.header_len);
        append(out, page.body, page.body_len);
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

std::vector<std::uint8_t> makeWav(double seconds) {
    // An even count, so the data chunk needs no pad byte.
    const auto samples = static_cast<std::uint32_t>(std::lround(seconds * sampleRate)) & ~1u;
    std::vector<std::uint8_t> out;
    // One byte at a time: GCC 12 at -O3 reports a false overflow
    // (-Wstringop-overflow) for a range inserted into an empty vector.
    const auto append4 = [&out](const char* tag) {
        for (int k = 0; k < 4; ++k)
            out.push_back(static_cast<std::uint8_t>(tag[k]));
    };
    append4("RIFF");
    appendLE(out, 36 + samples, 4);
    append4("WAVE");
    append4("fmt ");
    appendLE(out, 16, 4);
    appendLE(out, 1, 2); // PCM
    appendLE(out, 1, 2); // mono
    appendLE(out, sampleRate, 4);
    appendLE(out, sampleRate, 4); // bytes per second
    appendLE(out, 1, 2);          // block align
    appendLE(out, 8, 2);          // bits per sample
    append4("data");
    appendLE(out, samples, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        out.push_back(static_cast<std::uint8_t>(128 + std::lround(127 * tone(i))));
    }
    return out;
}

std::vector<std::uint8_t> padded(std::vector<std::uint8_t> bytes, std::size_t count) {
    bytes.resize(bytes.size() + count, 0);
    return bytes;
}

} // namespace sound_test
