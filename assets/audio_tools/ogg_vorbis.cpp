#include "ogg_vorbis.h"

#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

constexpr int kStreamSerial = 0x54534D41;  // fixed, so builds are byte-identical
constexpr size_t kBlockFrames = 4096;

void writePage(std::ofstream& file, const ogg_page& page) {
  file.write(reinterpret_cast<const char*>(page.header), page.header_len);
  file.write(reinterpret_cast<const char*>(page.body), page.body_len);
}

}  // namespace

bool WriteOggVorbis(const std::string& path, const AudioBuffer& sound, float quality, std::string& error) {
  std::ofstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot write " + path;
    return false;
  }
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, sound.channels, sound.rate, quality) != 0) {
    vorbis_info_clear(&info);
    error = "libvorbisenc refused the settings";
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "TITLE", "Tesmoria");
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, kStreamSerial);

  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) writePage(file, page);

  size_t total = sound.frames();
  size_t done = 0;
  bool finished = false;
  while (!finished) {
    size_t count = std::min(kBlockFrames, total - done);
    if (count == 0) {
      vorbis_analysis_wrote(&dsp, 0);  // end of stream
    } else {
      float** buffer = vorbis_analysis_buffer(&dsp, int(count));
      for (size_t f = 0; f < count; ++f)
        for (int c = 0; c < sound.channels; ++c) buffer[c][f] = sound.at(done + f, c);
      vorbis_analysis_wrote(&dsp, int(count));
      done += count;
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) {
          writePage(file, page);
          if (ogg_page_eos(&page)) finished = true;
        }
      }
    }
    if (count == 0) finished = true;
  }
  while (ogg_stream_flush(&stream, &page) != 0) writePage(file, page);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  if (!file) error = "write failed: " + path;
  return bool(file);
}

bool ReadOggVorbis(const std::string& path, AudioBuffer& out, std::string& error) {
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) {
    error = path + " is not a readable Ogg Vorbis file";
    return false;
  }
  vorbis_info* info = ov_info(&vf, -1);
  out.rate = int(info->rate);
  out.channels = info->channels;
  out.samples.clear();
  int section = 0;
  bool ok = true;
  for (;;) {
    float** pcm = nullptr;
    long got = ov_read_float(&vf, &pcm, 4096, &section);
    if (got == 0) break;
    if (got < 0) {
      ok = false;
      error = path + ": damaged Vorbis data";
      break;
    }
    for (long f = 0; f < got; ++f)
      for (int c = 0; c < out.channels; ++c) out.samples.push_back(pcm[c][f]);
  }
  ov_clear(&vf);
  return ok;
}
