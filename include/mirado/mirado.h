/* Mirado for TRPG: the plug-in's C interface, for IRC hosts.
 *
 * A host loads the library (libmirado.so, Mirado.dll) at run time and calls
 * one of the three functions for each chat line. All text is code page 932
 * (Shift-JIS), NUL-terminated. Every function takes the same seven arguments
 * and returns nothing:
 *
 *   nick     the speaker's nick
 *   host2..4 values of the host; never read (Alias passes them on unchanged)
 *   channel  the channel, or the target the line was addressed to; answers go
 *            to the channel when it starts with '#' or '&' and has at least
 *            one more character, otherwise to the speaker
 *   text     the chat line
 *   output   a 4096-byte buffer, NUL-terminated on entry (normally empty)
 *
 * The answer is written into `output` as raw IRC lines separated by CR LF
 * (NOTICE lines, and a PART line from Part); empty lines may appear and are
 * not sent. The buffer is always NUL-terminated within its 4096 bytes.
 *
 *   Command  handles a chat line: a prefixed command word ("#", "＃", "♯"),
 *            or a dice expression.
 *   Alias    rewrites a Japanese phrase into a command line and runs it; does
 *            nothing when no phrase matches.
 *   Part     the bot is leaving `channel`: clears its counters and memos and
 *            writes a PART line.
 *
 * Threads: the three functions may be called from several threads at once
 * (a host serving two networks); the plug-in runs the calls one at a time
 * under one process-wide lock, since they share its random generator and
 * its settings file (Mirado.ini beside the library). Several processes may
 * share one Mirado.ini: a change takes the file's lock and the file is
 * replaced whole, so no call sees it half-written.
 */
#ifndef MIRADO_MIRADO_H_
#define MIRADO_MIRADO_H_

#if defined(_WIN32)
#if defined(MIRADO_BUILDING_PLUGIN)
#define MIRADO_API __declspec(dllexport)
#else
#define MIRADO_API __declspec(dllimport)
#endif
#else
#define MIRADO_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*MiradoEntryPoint)(const char* nick, const char* host2, const char* host3, const char* host4,
                                 const char* channel, const char* text, char* output);

MIRADO_API void Command(const char* nick, const char* host2, const char* host3, const char* host4, const char* channel,
                        const char* text, char* output);
MIRADO_API void Alias(const char* nick, const char* host2, const char* host3, const char* host4, const char* channel,
                      const char* text, char* output);
MIRADO_API void Part(const char* nick, const char* host2, const char* host3, const char* host4, const char* channel,
                     const char* text, char* output);

#ifdef __cplusplus
}
#endif

#endif /* MIRADO_MIRADO_H_ */
