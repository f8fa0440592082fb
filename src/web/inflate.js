// SPDX-License-Identifier: MIT
// The one-file page's WebAssembly is deflated; a browser without DecompressionStream (Safari
// before 16.4) inflates it with this: a zlib stream (RFC 1950) of deflate blocks (RFC 1951),
// its check value not checked, since compiling the bytes checks them. Huffman codes are read a
// bit at a time, as deflate's own reference decoder reads them: slower than a table, but done
// once, on old browsers only.
function korruInflate(data) {
  var pos = 2, bitbuf = 0, bitcnt = 0, out = new Uint8Array(4 * data.length), n = 0, i;
  var LBASE = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83,
               99, 115, 131, 163, 195, 227, 258];
  var LEXT = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5,
              0];
  var DBASE = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769,
               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577];
  var DEXT = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11,
              12, 12, 13, 13];
  var ORDER = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];

  function bits(need) {
    while (bitcnt < need) {
      if (pos >= data.length) throw new Error("the WebAssembly's text ends too soon");
      bitbuf |= data[pos++] << bitcnt;
      bitcnt += 8;
    }
    var v = bitbuf & ((1 << need) - 1);
    bitbuf >>>= need;
    bitcnt -= need;
    return v;
  }
  function room(k) {
    if (n + k <= out.length) return;
    var more = new Uint8Array(Math.max(2 * out.length, n + k));
    more.set(out);
    out = more;
  }
  // A canonical Huffman code from its symbols' lengths: how many codes of each length, and the
  // symbols in the order of their codes.
  function code(lengths) {
    var count = new Uint16Array(16), offset = new Uint16Array(16);
    var symbol = new Uint16Array(lengths.length), j;
    for (j = 0; j < lengths.length; ++j) count[lengths[j]]++;
    count[0] = 0;
    for (j = 1; j < 16; ++j) offset[j] = offset[j - 1] + count[j - 1];
    for (j = 0; j < lengths.length; ++j) if (lengths[j]) symbol[offset[lengths[j]]++] = j;
    return {count: count, symbol: symbol};
  }
  function decode(h) {
    var value = 0, first = 0, index = 0;
    for (var len = 1; len < 16; ++len) {
      value |= bits(1);
      var count = h.count[len];
      if (value - first < count) return h.symbol[index + value - first];
      index += count;
      first = (first + count) << 1;
      value <<= 1;
    }
    throw new Error("the WebAssembly's text holds a code deflate has not");
  }

  var last;
  do {
    last = bits(1);
    var type = bits(2), literals, distances;
    if (type === 0) {  // stored: from the next whole byte, its length, its length's complement
      bitbuf = bitcnt = 0;
      var stored = data[pos] | data[pos + 1] << 8;
      pos += 4;
      room(stored);
      out.set(data.subarray(pos, pos + stored), n);
      n += stored;
      pos += stored;
      continue;
    }
    if (type === 1) {  // the fixed codes
      var fixed = new Uint8Array(288);
      for (i = 0; i < 288; ++i) fixed[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
      literals = code(fixed);
      distances = code(new Uint8Array(30).fill(5));
    } else if (type === 2) {  // codes of its own, their lengths coded in turn
      var nlen = bits(5) + 257, ndist = bits(5) + 1, ncode = bits(4) + 4;
      var lengths = new Uint8Array(19);
      for (i = 0; i < ncode; ++i) lengths[ORDER[i]] = bits(3);
      var lencode = code(lengths), all = new Uint8Array(nlen + ndist);
      for (var k = 0; k < nlen + ndist;) {
        var s = decode(lencode);
        if (s < 16) {
          all[k++] = s;
          continue;
        }
        var repeat = s === 16 ? 3 + bits(2) : s === 17 ? 3 + bits(3) : 11 + bits(7);
        var again = s === 16 ? all[k - 1] : 0;
        if (k + repeat > all.length) throw new Error("the WebAssembly's text repeats too far");
        while (repeat--) all[k++] = again;
      }
      literals = code(all.subarray(0, nlen));
      distances = code(all.subarray(nlen));
    } else {
      throw new Error("the WebAssembly's text holds a block deflate has not");
    }
    for (;;) {
      var symbol = decode(literals);
      if (symbol < 256) {
        room(1);
        out[n++] = symbol;
      } else if (symbol === 256) {
        break;
      } else {
        symbol -= 257;
        if (symbol >= LBASE.length) throw new Error("the WebAssembly's text holds a length deflate has not");
        var length = LBASE[symbol] + bits(LEXT[symbol]);
        var d = decode(distances), back = DBASE[d] + bits(DEXT[d]);
        if (d >= DBASE.length || back > n) throw new Error("the WebAssembly's text looks back too far");
        room(length);
        for (i = 0; i < length; ++i, ++n) out[n] = out[n - back];
      }
    }
  } while (!last);
  return out.subarray(0, n);
}
