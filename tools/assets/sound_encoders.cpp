#include "tools/assets/sound_encoders.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tools {
namespace {

constexpr int kStreamSerial = 0x51756f72;
constexpr long kChunk = 1024;

void appendPage(std::vector<std::uint8_t>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// Writes value as `bytes` little-endian bytes at pos and moves pos past them.
void putLe(std::vector<std::uint8_t>& out, std::size_t& pos, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[pos++] = static_cast<std::uint8_t>(value >> (8 * i));
}

void putTag(std::vector<std::uint8_t>& out, std::size_t& pos, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out[pos++] = static_cast<std::uint8_t>(tag[i]);
}

// Owns the encoder's state for one stream.
class VorbisStream {
  public:
    VorbisStream(int sampleRate, float quality) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, 1, sampleRate, quality) != 0) {
            vorbis_info_clear(&info_);
            throw std::runtime_error("the Vorbis encoder refuses these settings");
        }
        vorbis_comment_init(&comment_);
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, kStreamSerial);
    }
    ~VorbisStream() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    VorbisStream(const VorbisStream&) = delete;
    VorbisStream& operator=(const VorbisStream&) = delete;

    std::vector<std::uint8_t> encode(std::span<const float> samples) {
        std::vector<std::uint8_t> out;
        ogg_packet header;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &header, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &header);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0)
            appendPage(out, page);

        for (std::size_t done = 0; done < samples.size();) {
            const long count = static_cast<long>(std::min<std::size_t>(kChunk, samples.size() - done));
            float** buffer = vorbis_analysis_buffer(&dsp_, count);
            std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(done), count, buffer[0]);
            vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
            drain(out);
            done += static_cast<std::size_t>(count);
        }
        vorbis_analysis_wrote(&dsp_, 0);
        drain(out);
        return out;
    }

  private:
    void drain(std::vector<std::uint8_t>& out) {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                while (ogg_stream_pageout(&stream_, &page) != 0)
                    appendPage(out, page);
            }
        }
    }

    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
};

} // namespace

std::vector<std::uint8_t> EncodeOggVorbis(std::span<const float> samples, int sampleRate, float quality) {
    VorbisStream stream(sampleRate, quality);
    return stream.encode(samples);
}

std::size_t WavSize(std::size_t sampleCount, int bitsPerSample) {
    constexpr std::size_t kHeader = 44;
    const std::size_t data = sampleCount * static_cast<std::size_t>(bitsPerSample / 8);
    // The data chunk is padded to an even length.
    return kHeader + data + (data & 1);
}

std::vector<std::uint8_t> EncodeWav(std::span<const float> samples, int sampleRate, int bitsPerSample) {
    if (bitsPerSample != 8 && bitsPerSample != 16)
        throw std::invalid_argument("WAV samples are 8 or 16 bits");
    const auto bytes = static_cast<std::uint32_t>(bitsPerSample / 8);
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytes);
    std::vector<std::uint8_t> out(WavSize(samples.size(), bitsPerSample), bitsPerSample == 8 ? 0x80 : 0);
    std::size_t pos = 0;
    putTag(out, pos, "RIFF");
    putLe(out, pos, static_cast<std::uint32_t>(out.size() - 8), 4);
    putTag(out, pos, "WAVE");
    putTag(out, pos, "fmt ");
    putLe(out, pos, 16, 4);
    putLe(out, pos, 1, 2); // PCM
    putLe(out, pos, 1, 2); // mono
    putLe(out, pos, static_cast<std::uint32_t>(sampleRate), 4);
    putLe(out, pos, static_cast<std::uint32_t>(sampleRate) * bytes, 4); // bytes per second
    putLe(out, pos, bytes, 2);                                          // block align
    putLe(out, pos, static_cast<std::uint32_t>(bitsPerSample), 2);
    putTag(out, pos, "data");
    putLe(out, pos, dataSize, 4);
    for (const float sample : samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        if (bitsPerSample == 8) {
            out[pos++] = static_cast<std::uint8_t>(std::lround(127.5f + clamped * 127.0f));
        } else {
            const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
            putLe(out, pos, static_cast<std::uint16_t>(value), 2);
        }
    }
    return out;
}

} // namespace tools
