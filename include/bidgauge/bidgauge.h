/* libbidgauge: opening-bid valuations of a contract bridge hand.
 *
 * Four methods judge whether a 13-card hand is worth an opening bid: the
 * Kaplan-Rubens count (KnR), Zar points, Kleinman points and Culbertson's
 * honor tricks. This library reads a hand from text, values it by all four,
 * formats the values as bidgauge's results panel shows them, and explains
 * how each method arrived at its value.
 *
 * Conventions:
 * - Texts in and out are UTF-8. Text arguments come with their length in
 *   bytes and need no terminating NUL. Texts written by the library into
 *   caller buffers always end with a NUL.
 * - Functions that can fail return an int status: BIDGAUGE_OK (0) or one of
 *   the BIDGAUGE_ERROR_ codes.
 * - There is no global state: every function may be called from any number
 *   of threads at once, as long as no two calls write to the same buffer.
 * - Valuing a hand (bidgauge_evaluate, bidgauge_evaluate_hands) and reading a
 *   well-formed hand never allocate memory. Texts that need the full entry
 *   rules to judge them, and explanations, allocate internally; the library
 *   never hands out memory the caller must free.
 * - Reading a text holds a few kilobytes whatever its length, and stops at
 *   its first fault; but the whole text is searched once for a dot (which
 *   makes it a dotted hand), and a hand with suit labels is read to its end
 *   (a suit given twice is the fault reported).
 */
#ifndef BIDGAUGE_BIDGAUGE_H
#define BIDGAUGE_BIDGAUGE_H

#include <stddef.h>
#include <stdint.h>

#include "bidgauge/export.h"
#include "bidgauge/version.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes. */
enum {
  BIDGAUGE_OK = 0,
  /* The text is no hand; bidgauge_error says why and where. */
  BIDGAUGE_ERROR_HAND = 1,
  /* A required pointer was NULL, or a bidgauge_hand does not hold 13 cards. */
  BIDGAUGE_ERROR_ARGUMENT = 2,
  /* The caller's buffer is too small; the needed size is reported. */
  BIDGAUGE_ERROR_BUFFER = 3,
  /* Memory ran out inside the library. */
  BIDGAUGE_ERROR_MEMORY = 4,
  /* The text is longer than BIDGAUGE_MAX_TEXT_LENGTH bytes; none of it is
   * read. */
  BIDGAUGE_ERROR_LENGTH = 5
};

/* Suit indices, in the order hands are written. */
enum { BIDGAUGE_SPADES = 0, BIDGAUGE_HEARTS = 1, BIDGAUGE_DIAMONDS = 2, BIDGAUGE_CLUBS = 3 };

/* Room for a message in bidgauge_error, the terminating NUL included. */
#define BIDGAUGE_MESSAGE_SIZE 128
/* Room for a hand written by bidgauge_hand_text, the terminating NUL included. */
#define BIDGAUGE_HAND_TEXT_SIZE 20
/* Room for each value text in bidgauge_texts, the terminating NUL included. */
#define BIDGAUGE_VALUE_TEXT_SIZE 16
/* The longest text read as one hand, in bytes (1 GiB): every position in it
 * fits a position field. Longer texts get BIDGAUGE_ERROR_LENGTH. */
#define BIDGAUGE_MAX_TEXT_LENGTH 1073741824

/* Why a call failed. */
typedef struct bidgauge_error {
  /* A BIDGAUGE_ERROR_ code, or BIDGAUGE_OK when nothing failed. */
  int32_t code;
  /* 1-based position (in characters) of the character the message is
   * about (for a broken rule, such as a duplicate card, the one that broke
   * it), counted from the start of the text given; 0 when the message is
   * about the hand as a whole (too few cards or suits). */
  int32_t position;
  /* What is wrong, in English, UTF-8, NUL-terminated; for a hand the
   * message bidgauge's batch mode reports, e.g. "The hand has only 12 cards"
   * or "unexpected character 'Z' at position 16". */
  char message[BIDGAUGE_MESSAGE_SIZE];
} bidgauge_error;

/* One 13-card hand. Cards below the Eight may be given as spot cards (x),
 * which are counted but not named, as the methods only need the top ranks. */
typedef struct bidgauge_hand {
  /* Per suit (BIDGAUGE_SPADES ... BIDGAUGE_CLUBS): bit r is set when rank r
   * is held, r = 1 for the Ace, 2 King, 3 Queen, 4 Jack, 5 Ten, ... 13 Two.
   * Bits 0, 14 and 15 are never set. */
  uint16_t cards[4];
  /* Per suit: the number of spot cards given only as x. */
  uint8_t spots[4];
} bidgauge_hand;

/* The four valuations of one hand, and its high-card points. */
typedef struct bidgauge_valuation {
  /* Kaplan-Rubens points times 100, exact: 12.35 is 1235, -0.50 is -50. */
  int32_t knr_hundredths;
  /* Zar points. */
  int32_t zar_points;
  /* Kleinman points. */
  int32_t kleinman_points;
  /* Kleinman's quality of the hand: +1 good, 0 ordinary, -1 bad. */
  int32_t kleinman_quality;
  /* Culbertson's honor tricks times 2: 2.5 honor tricks is 5. */
  int32_t honor_trick_halves;
  /* The 4-3-2-1 high-card points (Ace 4, King 3, Queen 2, Jack 1). */
  int32_t high_card_points;
  /* 1 when the hand opens by KnR (12.00 or more), else 0. */
  uint8_t knr_opens;
  /* 1 when the hand opens by Zar (26 or more), else 0. */
  uint8_t zar_opens;
  /* 1 when the hand opens by Kleinman (11 or more), else 0. */
  uint8_t kleinman_opens;
  /* 1 when the hand opens by honor tricks (2.5 or more), else 0. */
  uint8_t honor_tricks_opens;
} bidgauge_valuation;

/* The values as bidgauge's results panel shows them, UTF-8, NUL-terminated:
 * "12.35", " 28", " 11+" (a sign after Kleinman's points for a good or bad
 * hand), " 2½". */
typedef struct bidgauge_texts {
  /* KnR points with two decimals: "12.35", "-0.50". */
  char knr[BIDGAUGE_VALUE_TEXT_SIZE];
  /* Zar points after a blank or minus sign: " 28". */
  char zar[BIDGAUGE_VALUE_TEXT_SIZE];
  /* Kleinman points after a blank or minus sign, then '+' for a good hand
   * or '-' for a bad one: " 11+", " 9-", " 10". */
  char kleinman[BIDGAUGE_VALUE_TEXT_SIZE];
  /* Honor tricks after a blank, a half as '½': " 2½", " 3", " ½". */
  char honor_tricks[BIDGAUGE_VALUE_TEXT_SIZE];
} bidgauge_texts;

/* The outcome for one text of bidgauge_evaluate_texts. */
typedef struct bidgauge_text_result {
  /* BIDGAUGE_OK; BIDGAUGE_ERROR_HAND when the text is no hand (then `hand`
   * and `valuation` are all zero: read the text again with
   * bidgauge_read_hand for the message); BIDGAUGE_ERROR_MEMORY when memory
   * ran out reading it; BIDGAUGE_ERROR_LENGTH when the text is longer than
   * BIDGAUGE_MAX_TEXT_LENGTH. */
  int32_t code;
  /* For BIDGAUGE_ERROR_HAND, the 1-based position in the text, as in
   * bidgauge_error. */
  int32_t position;
  /* The hand the text holds. */
  bidgauge_hand hand;
  /* Its valuations. */
  bidgauge_valuation valuation;
} bidgauge_text_result;

/* The library's version, "MAJOR.MINOR.PATCH", as built (may differ from the
 * BIDGAUGE_VERSION the caller was compiled with). Never NULL. */
BIDGAUGE_API const char* bidgauge_version(void);

/* Reads one hand from `text` (`length` bytes), in any form bidgauge's batch
 * mode takes on a line: suits in the order spades, hearts, diamonds, clubs,
 * separated by blanks ("KQ7543 QT2 A J98", '-' for a void) or by dots
 * ("KQ7543.QT2.A.J98", an empty group for a void); ranks A K Q J T (or 1 or 0)
 * 9 ... 2 in any order and either case, x for a spot card. Blanks, tabs and
 * line ends around the hand are ignored.
 * Returns BIDGAUGE_OK and fills `hand`; or BIDGAUGE_ERROR_HAND and fills
 * `error` (when not NULL) with the message and position, leaving `hand`
 * untouched; or BIDGAUGE_ERROR_LENGTH, reading nothing, when `length` is
 * over BIDGAUGE_MAX_TEXT_LENGTH; or BIDGAUGE_ERROR_ARGUMENT when `hand` is
 * NULL, or `text` is NULL with a non-zero length. On success `error` is
 * cleared. */
BIDGAUGE_API int bidgauge_read_hand(const char* text, size_t length, bidgauge_hand* hand,
                                    bidgauge_error* error);

/* Values `hand` by the four methods. Never allocates.
 * Returns BIDGAUGE_OK, or BIDGAUGE_ERROR_ARGUMENT when a pointer is NULL or
 * the hand does not hold 13 cards (bidgauge_hand_is_valid). */
BIDGAUGE_API int bidgauge_evaluate(const bidgauge_hand* hand, bidgauge_valuation* valuation);

/* Values `count` hands into `valuations[0 .. count-1]`. Never allocates.
 * Returns how many hands were valued: `count`, or the index of the first
 * hand that does not hold 13 cards (its valuation and those after it are
 * left untouched). Returns 0 when a pointer is NULL. */
BIDGAUGE_API size_t bidgauge_evaluate_hands(const bidgauge_hand* hands, size_t count,
                                            bidgauge_valuation* valuations);

/* Reads and values many hands in one call: `texts` (`length` bytes) holds
 * one hand text after another, each ended by `separator` ('\n' for lines of
 * a file, '\0' for C strings laid end to end); the last text may end
 * without one. results[i] gets the outcome for text i: a text that is no
 * hand is reported in its result and does not stop the others.
 * Returns the number of texts, which may exceed `capacity`: only the first
 * `capacity` texts are read then. Allocates only for texts that need the
 * full entry rules (see bidgauge_read_hand). `results` may be NULL when
 * `capacity` is 0, e.g. to count the texts. */
BIDGAUGE_API size_t bidgauge_evaluate_texts(const char* texts, size_t length, char separator,
                                            bidgauge_text_result* results, size_t capacity);

/* Writes the hand text (as bidgauge_hand_text does) of each of `count`
 * results, each followed by `separator`; a result that holds no hand gives
 * an empty text. No NUL is added. Needs at most count *
 * BIDGAUGE_HAND_TEXT_SIZE bytes. Returns the number of bytes written, or 0
 * (writing nothing) when `size` is too small or a pointer is NULL. */
BIDGAUGE_API size_t bidgauge_join_hand_texts(const bidgauge_text_result* results, size_t count,
                                             char separator, char* out, size_t size);

/* 1 when `hand` holds 13 cards and sets no bit outside the 13 ranks, else 0
 * (also for NULL). Hands from bidgauge_read_hand always do. */
BIDGAUGE_API int bidgauge_hand_is_valid(const bidgauge_hand* hand);

/* Writes `hand` as a line of batch output would: suits separated by one
 * blank, named cards from the Ace down with the Ten as T, then an x per spot
 * card, '-' for a void, e.g. "KQ7543 QT2 A J98". `text` must have room for
 * BIDGAUGE_HAND_TEXT_SIZE bytes. Returns BIDGAUGE_OK, or
 * BIDGAUGE_ERROR_ARGUMENT for a NULL pointer or an invalid hand. */
BIDGAUGE_API int bidgauge_hand_text(const bidgauge_hand* hand, char text[BIDGAUGE_HAND_TEXT_SIZE]);

/* Writes the texts of the values, as the results panel shows them.
 * Returns BIDGAUGE_OK; or BIDGAUGE_ERROR_ARGUMENT for a NULL pointer, or
 * for a value no hand gives (then every text is empty): knr_hundredths
 * outside -50 to 3560, zar_points outside 8 to 55, kleinman_points outside
 * 0 to 37, kleinman_quality outside -1 to 1, honor_trick_halves outside 0 to
 * 18. The other fields are not read. */
BIDGAUGE_API int bidgauge_format(const bidgauge_valuation* valuation, bidgauge_texts* texts);

/* Writes what each method counted for `hand` and why: per method a heading
 * with its value, the terms suit by suit and for the whole hand, and the
 * total; lines of UTF-8, each ending with '\n', from the first heading on,
 * as `bidgauge --explain` prints them after the panel. At most `size` bytes
 * are written to `buffer`, always ending with a NUL when `size` is not 0,
 * and never a part of a character; `*length` (when not NULL) gets the
 * length of the whole text, without the NUL.
 * Returns BIDGAUGE_OK; BIDGAUGE_ERROR_BUFFER when the text and its NUL do
 * not fit (call again with *length + 1 bytes); BIDGAUGE_ERROR_ARGUMENT for
 * an invalid hand, or a NULL `hand`, or a NULL `buffer` with `size` not 0;
 * BIDGAUGE_ERROR_MEMORY when memory ran out. */
BIDGAUGE_API int bidgauge_explain(const bidgauge_hand* hand, char* buffer, size_t size,
                                  size_t* length);

/* Reading text as `bidgauge --batch` reads a file. */

/* One hand of the text read by bidgauge_read_lines: a row of batch output. */
typedef struct bidgauge_row {
  /* 1-based number of the line the hand was read from; for a deal, the line
   * that gives it (in PBN, that of its Deal tag). */
  int64_t line;
  /* The board number the text gives for the hand, or -1 when it gives none. */
  int64_t board;
  /* The hand, and its valuations. */
  bidgauge_hand hand;
  bidgauge_valuation valuation;
  /* The hand as bidgauge_hand_text writes it, NUL-terminated; the bytes
   * after it are NUL too. */
  char hand_text[BIDGAUGE_HAND_TEXT_SIZE];
  /* 'N', 'E', 'S' or 'W' for a seat of a deal; 0 for a hand given alone. */
  char seat;
} bidgauge_row;

/* What bidgauge_read_lines says about a line besides its rows. */
enum {
  /* The line, or part of it, gives no row: the message says why (batch mode
   * reports these and exits 1). */
  BIDGAUGE_LINE_INVALID = 1,
  /* The line may not say what its writer meant; reading goes on. */
  BIDGAUGE_LINE_WARNING = 2
};

/* Receives `count` rows (at least one), valid until it returns. Returns 0 to
 * go on reading, anything else to stop. */
typedef int (*bidgauge_rows_callback)(void* context, const bidgauge_row* rows, size_t count);

/* Receives a message about line `line`: `kind` is BIDGAUGE_LINE_INVALID or
 * BIDGAUGE_LINE_WARNING; `message` is `length` bytes of UTF-8 and a NUL,
 * valid until it returns, e.g. "seat E: The hand has only 12 cards".
 * Returns 0 to go on reading, anything else to stop. */
typedef int (*bidgauge_line_message_callback)(void* context, int64_t line, int kind,
                                              const char* message, size_t length);

/* Reads `text` (`length` bytes) exactly as `bidgauge --batch` reads a file:
 * a hand or a deal per line in every form it takes (typed, dotted or
 * labelled hands, deal strings, deal generator lines, LIN deals), or PBN
 * with its Deal and Board tags; blank lines, # comments and PBN's comments
 * skipped. Hands the rows to `on_rows`, a block at a time, and the messages
 * about lines to `on_message`, each in the order of the text (a message may
 * come before the rows of the lines just before it, which are read in
 * batches). Either callback may be NULL; `context` is passed to both, on
 * the calling thread. The memory used stays the same for a text of any
 * length.
 * Returns BIDGAUGE_OK when the text was read to its end or a callback
 * stopped it; BIDGAUGE_ERROR_ARGUMENT when `text` is NULL and `length` is
 * not 0; BIDGAUGE_ERROR_MEMORY when memory ran out (what was handed out
 * before stands). */
BIDGAUGE_API int bidgauge_read_lines(const char* text, size_t length,
                                     bidgauge_rows_callback on_rows,
                                     bidgauge_line_message_callback on_message, void* context);

/* Writes the hand_text of each of `count` rows, each followed by
 * `separator`, e.g. to split in one step in a language where picking the
 * texts out of the rows one by one is slow. No NUL is added. Needs at most
 * count * BIDGAUGE_HAND_TEXT_SIZE bytes. Returns the number of bytes written,
 * or 0 (writing nothing) when `size` is too small or a pointer is NULL. */
BIDGAUGE_API size_t bidgauge_join_row_hand_texts(const bidgauge_row* rows, size_t count,
                                                 char separator, char* out, size_t size);

#ifdef __cplusplus
}
#endif

#endif /* BIDGAUGE_BIDGAUGE_H */
