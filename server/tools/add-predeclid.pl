#!/usr/bin/perl
# Sets TYPEFLAG_FPREDECLID (0x08) on the one coclass of an MSFT type library, in place.
# widl knows appobject but not predeclid, and macro hosts need both to offer the class's
# methods unqualified. The layout read here is the documented MSFT format:
#   header (0x54 bytes), [help DLL offset], typeinfo offsets[nrtypeinfos], 15 segment
#   directory entries {offset, length, res, res}; segment 0 holds the typeinfo records,
#   each starting with its TYPEKIND (low nibble) and holding its type flags at +0x30.
# Usage: add-predeclid.pl FILE.tlb
use strict;
use warnings;

my $path = shift @ARGV or die "usage: add-predeclid.pl FILE.tlb\n";
open(my $fh, '+<:raw', $path) or die "add-predeclid: cannot open $path: $!\n";
local $/;
my $data = <$fh>;

sub int_at { my ($offset) = @_; return unpack('l<', substr($data, $offset, 4)); }

die "add-predeclid: $path is not an MSFT type library\n" unless substr($data, 0, 4) eq 'MSFT';
my $varflags = int_at(0x14);
my $count = int_at(0x20);
my $offsets = 0x54 + (($varflags & 0x100) ? 4 : 0);
my $segdir = $offsets + 4 * $count;
my $typeinfos = int_at($segdir);

my $TKIND_COCLASS = 5;
my $TYPEFLAG_FPREDECLID = 0x08;
my @coclasses = grep { (int_at($typeinfos + int_at($offsets + 4 * $_)) & 0xF) == $TKIND_COCLASS } 0 .. $count - 1;
die "add-predeclid: expected one coclass in $path, found " . scalar(@coclasses) . "\n" unless @coclasses == 1;

my $flags_at = $typeinfos + int_at($offsets + 4 * $coclasses[0]) + 0x30;
my $flags = int_at($flags_at) | $TYPEFLAG_FPREDECLID;
seek($fh, $flags_at, 0) or die "add-predeclid: seek failed: $!\n";
print $fh pack('l<', $flags) or die "add-predeclid: write failed: $!\n";
close($fh) or die "add-predeclid: close failed: $!\n";
