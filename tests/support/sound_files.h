#pragma once
// Tiny sound files made on the spot for tests: WAV files written field by
// field (so damaged layouts can be made too) and Ogg Vorbis files encoded
// with libvorbisenc.
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace testsound {

inline void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void putTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

struct WavLayout {
  int formatTag = 1;
  int channels = 1;
  int bits = 16;
  int hertz = 22050;
  int extraFmtBytes = 0;                 // "fmt " chunk bigger than 16
  std::string chunkBeforeData;           // a chunk between "fmt " and "data" with this tag
  int chunkBeforeDataSize = 0;
};

// A WAV file around the given data bytes.
inline std::vector<uint8_t> wavFile(const std::vector<uint8_t>& data, const WavLayout& l = {}) {
  std::vector<uint8_t> body;
  putTag(body, "WAVE");
  putTag(body, "fmt ");
  put32(body, 16 + l.extraFmtBytes);
  put16(body, l.formatTag);
  put16(body, l.channels);
  put32(body, l.hertz);
  put32(body, l.hertz * l.channels * l.bits / 8);
  put16(body, l.channels * l.bits / 8);
  put16(body, l.bits);
  body.insert(body.end(), l.extraFmtBytes, 0xEE);
  if (!l.chunkBeforeData.empty()) {
    putTag(body, l.chunkBeforeData.c_str());
    put32(body, l.chunkBeforeDataSize);
    body.insert(body.end(), l.chunkBeforeDataSize, 0xDD);
  }
  putTag(body, "data");
  put32(body, static_cast<uint32_t>(data.size()));
  body.insert(body.end(), data.begin(), data.end());
  std::vector<uint8_t> out;
  putTag(out, "RIFF");
  put32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// 16-bit little-endian mono samples as bytes.
inline std::vector<uint8_t> pcm16(const std::vector<int16_t>& frames) {
  std::vector<uint8_t> out;
  for (int16_t v : frames) put16(out, static_cast<uint16_t>(v));
  return out;
}

// An Ogg Vorbis file of a sine tone.
inline std::vector<uint8_t> oggTone(int channels, int hertz, int frames, float frequency = 440.0f) {
  std::vector<uint8_t> out;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, hertz, 0.4f) != 0) return out;
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1234);
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  ogg_page page;
  auto emit = [&](const ogg_page& p) {
    out.insert(out.end(), p.header, p.header + p.header_len);
    out.insert(out.end(), p.body, p.body + p.body_len);
  };
  while (ogg_stream_flush(&os, &page)) emit(page);
  const int block = 1024;
  for (int done = 0;; done += block) {
    int n = std::min(block, frames - done);
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&vd, n);
      for (int i = 0; i < n; ++i) {
        float v = 0.5f * std::sin(6.2831853f * frequency * static_cast<float>(done + i) / static_cast<float>(hertz));
        for (int c = 0; c < channels; ++c) buffer[c][i] = v;
      }
      vorbis_analysis_wrote(&vd, n);
    } else {
      vorbis_analysis_wrote(&vd, 0);
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page)) emit(page);
      }
    }
    if (n <= 0) break;
  }
  while (ogg_stream_flush(&os, &page)) emit(page);
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace testsound
